# DataSource runs SQLite's C API (commit hook, prepared reads) on the handle that Qt's
# SQLite driver opened. Both must be one library: a driver carrying its own copy of SQLite
# would hand over a handle that this build's libsqlite3 does not know. The configure stops
# where the driver plug-in does not link the libsqlite3 this build links.
function(ludora_check_sqlite_driver)
    if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
        return()
    endif()
    set(hint "install Debian's libqt6sql6-sqlite, whose driver links the system libsqlite3")
    find_file(LUDORA_QSQLITE_PLUGIN NAMES libqsqlite.so
        PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/sqldrivers NO_DEFAULT_PATH)
    set(plugin ${LUDORA_QSQLITE_PLUGIN})
    if(NOT plugin)
        message(FATAL_ERROR "Qt's SQLite driver plug-in was not found in "
            "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/sqldrivers: ${hint}.")
    endif()
    find_program(LUDORA_OBJDUMP NAMES objdump)
    if(NOT LUDORA_OBJDUMP)
        message(FATAL_ERROR "objdump (binutils) is needed to check Qt's SQLite driver ${plugin}.")
    endif()
    execute_process(COMMAND ${LUDORA_OBJDUMP} -p ${plugin} OUTPUT_VARIABLE driver_headers RESULT_VARIABLE failed)
    string(REGEX MATCH "NEEDED +libsqlite3[^ \n]*" driver_needs "${driver_headers}")
    string(REGEX REPLACE "NEEDED +" "" driver_needs "${driver_needs}")

    list(GET SQLITE3_LINK_LIBRARIES 0 library)
    execute_process(COMMAND ${LUDORA_OBJDUMP} -p ${library} OUTPUT_VARIABLE library_headers)
    string(REGEX MATCH "SONAME +[^ \n]*" library_soname "${library_headers}")
    string(REGEX REPLACE "SONAME +" "" library_soname "${library_soname}")

    if(failed OR NOT driver_needs OR NOT driver_needs STREQUAL library_soname)
        message(FATAL_ERROR
            "Qt's SQLite driver ${plugin} does not use the system SQLite library ${library} "
            "(${library_soname}) that this build links: it needs '${driver_needs}'. "
            "The programs use both on the same database handle; ${hint}.")
    endif()
    message(STATUS "Qt's SQLite driver uses ${library_soname}, as this build does")
endfunction()
