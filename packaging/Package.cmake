# The Debian package: one binary package with all programs. Its dependencies
# come from the libraries the executables link (dpkg-shlibdeps), plus what the
# programs need at run time without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${FUZZY_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${FUZZY_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_VENDOR "Fuzzy-Lehre")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fuzzy control to try out: truck, locomotive and workshop")
set(CPACK_PACKAGE_DESCRIPTION [=[
German-language learning programs for fuzzy control, built over one fuzzy
engine:
 - Dorvane backs a truck onto a target line, steered by hand or by a
   fuzzy controller;
 - Pemrak stops a toy locomotive at a mark;
 - the Fuzzy-Werkstatt builds and edits fuzzy projects and shows why the
   controller acts as it does (inspector, control surface);
 - fuzzysim checks, evaluates, converts and simulates projects on the
   command line.
Example projects and Dorvane's help pages are included.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out at fixed positions for the metrics of these fonts;
# the translations give the toolkit's own buttons and dialogs German texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
