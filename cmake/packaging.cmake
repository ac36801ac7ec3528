# The Debian package: after building, `cpack -G DEB` in the build folder writes
# tintora_<version>_<arch>.deb holding everything `cmake --install` puts in place, under /usr.
# The library dependencies come from dpkg-shlibdeps (package dpkg-dev); the Qt plugins the
# program loads at run time without linking them are listed by hand.

# A package build compiles and links with Debian's hardening flags as dpkg-buildflags gives
# them (stack protector, fortified functions, format checks, read-only relocations). Only
# for the package: the fortified functions need an optimised build.
option(TINTORA_DPKG_BUILDFLAGS "Compile and link with the flags of dpkg-buildflags" OFF)
if(TINTORA_DPKG_BUILDFLAGS)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run in the source folder, whose path the prefix map then takes out of the binaries.
        execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        if(kind STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
    endforeach()
endif()

set(CPACK_PACKAGE_NAME tintora)
set(CPACK_PACKAGE_VENDOR "The Tintora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 columns: the package tools show them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tintora shows a pen colour palette as three grids of coloured cells, edits"
    "any pen's colour for a light and a dark drawing background, and opens and"
    "saves palette files holding several named palettes."
    ""
    "tintora-cli checks, converts and renders palette files without a window.")
set(CPACK_PACKAGE_CONTACT "Tintora developers <tintora-developers@users.noreply.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TINTORA_BUILD_GUI)
    # The folder icons are SVG, drawn through Qt's SVG icon engine and image format plugins.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
    # Qt's own buttons and dialogs in the user's language, beside the editor's translations.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()

include(CPack)
