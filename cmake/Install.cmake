# The install layout (GNUInstallDirs): the programs in bin/, the converter stand-in in
# libexec/ludora4/ (where the front-end copies it from into a new installation), and the
# desktop files from desktop/. The converter of Jet databases is installed once it exists.
foreach(program IN ITEMS ludora4 emuset ludora4-mkinstall ludora4-convert ludora4-gamelist)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
install(TARGETS I_View32 RUNTIME DESTINATION ${LUDORA4_TOOLS_DIR})
