# The editor's translations: resources/translations/tintora_<lang>.ts compiled by lrelease into
# translations/tintora_<lang>.qm beside the program in the build tree (where it finds its other
# files) and installed under <prefix>/share/tintora/translations. The target
# update_translations runs lupdate over the sources of src/ and resources/ to bring the .ts
# files up to date with the texts marked there. Needs Debian's qt6-tools-dev (the CMake
# functions) and qt6-l10n-tools (lupdate, lrelease); without them the editor builds and speaks
# English only.
set(TINTORA_TS_FILES
    ${PROJECT_SOURCE_DIR}/resources/translations/tintora_de.ts
    ${PROJECT_SOURCE_DIR}/resources/translations/tintora_fr.ts)
set(TINTORA_QM_DIR ${PROJECT_BINARY_DIR}/src/app/translations)

find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
    message(WARNING "Qt's Linguist tools not found (qt6-tools-dev, qt6-l10n-tools): the "
                    "editor is built in English only")
    add_custom_target(tintora_translations)
    return()
endif()

# Every text is marked where it is defined: in the window layer and the editor, and in the
# core's tables and the dialog templates, which are not sources of the program target.
file(GLOB_RECURSE TINTORA_MARKED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
     ${PROJECT_SOURCE_DIR}/resources/*.cpp ${PROJECT_SOURCE_DIR}/resources/*.h)
set_source_files_properties(${TINTORA_TS_FILES} PROPERTIES OUTPUT_LOCATION ${TINTORA_QM_DIR})
# No line numbers in the .ts files: they would change with every edit of a source.
qt_add_translations(tintora
    TS_FILES ${TINTORA_TS_FILES}
    SOURCES ${TINTORA_MARKED_SOURCES}
    QM_FILES_OUTPUT_VARIABLE TINTORA_QM_FILES
    LUPDATE_OPTIONS -locations none
    LRELEASE_OPTIONS -silent)
add_custom_target(tintora_translations DEPENDS tintora_lrelease)
install(FILES ${TINTORA_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tintora/translations)
