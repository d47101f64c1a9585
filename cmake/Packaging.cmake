# The Debian package, made by scripts/package: ludora4_<version>_<arch>.deb, installing
# below /usr, its library dependencies computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ludora4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ludora4 developers")
set(CPACK_PACKAGE_CONTACT "The Ludora4 developers <ludora4-bugs@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front-end for console emulators")
set(CPACK_PACKAGE_DESCRIPTION
    "Ludora4 keeps a catalogue of games for ten consoles (Gameboy, Nintendo, SuperNes,\n"
    "Atari Lynx, Master System, Megadrive, GameGear, PC Engine, MSX, Amiga), one\n"
    "database per console: browse and filter the games, edit their records, look at\n"
    "their screenshots, keep each console's documents, and start a game in its\n"
    "emulator with the parameters chosen for it. Emuset, its companion program, adds\n"
    "the emulators and edits their parameter sets.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ludora4.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as a plug-in at run time, so not seen by dpkg-shlibdeps: the SQLite driver.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
include(CPack)
