# make package: a Debian package of the program, turnix-cli, the user guide,
# the desktop entry, the icon and the AppStream metainfo, installed under
# /usr. The runtime dependencies are read from the binaries by
# dpkg-shlibdeps; the camera also needs GStreamer's V4L2 source at run time,
# which no binary names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME turnix)
set(CPACK_PACKAGE_VENDOR "Turnix")
set(CPACK_PACKAGE_CONTACT "Turnix developers <turnix@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solve a real 3x3x3 cube puzzle one step at a time")
set(CPACK_PACKAGE_DESCRIPTION
    "Copy the colours of a scrambled cube into Turnix; it checks the cube,\n"
    "says what is wrong with a mistaken entry, and computes side turns that\n"
    "solve it, which you replay one step at a time on the on-screen cube.\n"
    "turnix-cli solves and checks cubes from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
