# The Debian package, built with `cpack -G DEB` in a release build folder. Its
# dependencies are what dpkg-shlibdeps finds the installed programs linked against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VENDOR "mousecfg developers")
set(CPACK_PACKAGE_CONTACT "mousecfg developers <mousecfg@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings for the USB gaming mouse 3a7e:05ed")
# One string: a list would be joined with semicolons. Lines stay under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "mousecfg sets up the USB gaming mouse with the ids 3a7e:05ed: the functions"
  "of its twelve buttons in two profiles, its DPI levels and report rate, its"
  "lighting and its factory defaults. The window mousecfg and the command"
  "mousectl change the mouse at once; a udev rule lets the user at the computer"
  "use it without root.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The window's fonts: stand-ins for the language tables' Calibri and Arial Narrow, and a
# CJK font for Chinese texts, which show as boxes without one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-crosextra-carlito, fonts-liberation, fonts-wqy-microhei")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
