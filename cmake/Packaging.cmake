# make package: a Debian package of the program, turnix-cli, the user guide,
# the manual pages, the desktop entry, the cube file type, the icon and the
# AppStream metainfo, installed under /usr. The runtime dependencies are read from the binaries by
# dpkg-shlibdeps; the camera also needs GStreamer's V4L2 source at run time,
# which no binary names.
include(GNUInstallDirs)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME turnix)
set(CPACK_PACKAGE_VENDOR "Turnix")
set(CPACK_PACKAGE_CONTACT "Turnix developers <turnix@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solve a real 3x3x3 cube puzzle one step at a time")
# One string: separate strings would make a list, joined by ";". Lines of
# at most 80 characters, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION "Copy the colours of a scrambled cube into Turnix: it checks the cube,
says what is wrong with a mistaken entry, and computes side turns that
solve it, which you replay one step at a time on the on-screen cube.
turnix-cli solves and checks cubes from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The copyright file and a changelog, which every Debian package carries;
# the changelog compressed, as Debian wants it.
set(TURNIX_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/turnix)
string(TIMESTAMP TURNIX_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
find_program(TURNIX_PACKAGE_GZIP gzip)
if(TURNIX_PACKAGE_GZIP)
    execute_process(COMMAND ${TURNIX_PACKAGE_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/debian/changelog)
    install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${TURNIX_PACKAGE_DOC_DIR})
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${TURNIX_PACKAGE_DOC_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps games' programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
