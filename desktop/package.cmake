# cpack -G DEB: a Debian package whose dependencies dpkg-shlibdeps reads from
# the libraries the programs link.
set(CPACK_PACKAGE_NAME kinotab)
set(CPACK_PACKAGE_VENDOR "Kinotab")
set(CPACK_PACKAGE_CONTACT "Kinotab developers <kinotab@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measure motion on a video")
set(CPACK_PACKAGE_DESCRIPTION "Kinotab measures the motion of up to three points clicked frame by frame on a video and derives positions, velocities and accelerations, shown as tables, graphs, trajectories and vectors.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in Czech.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
