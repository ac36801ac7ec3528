# The Debian package: after building, `cpack -G DEB` in the build folder writes
# tintora_<version>_<arch>.deb holding everything `cmake --install` puts in place, under /usr.
# The library dependencies come from dpkg-shlibdeps (package dpkg-dev); the Qt plugins the
# program loads at run time without linking them are listed by hand.
set(CPACK_PACKAGE_NAME tintora)
set(CPACK_PACKAGE_VENDOR "Keldane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Tintora shows a pen colour palette as three grids of coloured cells, edits any pen's \
colour for a light and a dark drawing background, and opens and saves palette files \
holding several named palettes. tintora-cli checks, renders and converts palette files \
without a window.")
set(CPACK_PACKAGE_CONTACT "Tintora developers <tintora@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TINTORA_BUILD_GUI)
    # The SVG icons go through Qt's SVG icon engine and image format plugins.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
endif()

include(CPack)
