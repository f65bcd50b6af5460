# make package: a .deb of everything `cmake --install` puts in place, its dependencies computed
# by dpkg-shlibdeps from the programs' libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glyphgrid)
set(CPACK_PACKAGE_VENDOR "The Glyphgrid developers")
set(CPACK_PACKAGE_CONTACT "The Glyphgrid developers <developers@glyphgrid.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "\
Glyphgrid draws the picture on an 8 x 8 LED dot matrix and gives the data for\n\
the matrix controller's EEPROM as one line of BASIC source. It saves and opens\n\
bi-colour patterns, and comes with glyphgrid-cli, which converts and transforms\n\
patterns in scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.glyphgrid.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The buttons of the viewer and the About box were laid out for a narrower font than DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
