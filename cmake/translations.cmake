# The editor's translations: resources/translations/tintora_<lang>.ts compiled by lrelease into
# translations/tintora_<lang>.qm beside the program in the build tree (where it finds its other
# files) and installed under <prefix>/share/tintora/translations. The target
# update_translations runs lupdate over src/ and resources/ to bring the .ts files up to date
# with the texts marked in the sources. Needs Debian's qt6-l10n-tools; without it the editor
# builds and speaks English only.
set(TINTORA_TS_FILES
    ${PROJECT_SOURCE_DIR}/resources/translations/tintora_de.ts
    ${PROJECT_SOURCE_DIR}/resources/translations/tintora_fr.ts)
set(qt_tools_hints ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}
    ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
find_program(TINTORA_LRELEASE NAMES lrelease-qt6 lrelease HINTS ${qt_tools_hints})
find_program(TINTORA_LUPDATE NAMES lupdate-qt6 lupdate HINTS ${qt_tools_hints})
set(TINTORA_QM_DIR ${PROJECT_BINARY_DIR}/src/app/translations)

if(NOT TINTORA_LRELEASE)
    message(WARNING "lrelease not found (qt6-l10n-tools): the editor is built in English only")
    add_custom_target(tintora_translations)
    return()
endif()

set(qm_files)
foreach(ts IN LISTS TINTORA_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${TINTORA_QM_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TINTORA_QM_DIR}
        COMMAND ${TINTORA_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
endforeach()
add_custom_target(tintora_translations ALL DEPENDS ${qm_files})
install(FILES ${qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/tintora/translations)

if(TINTORA_LUPDATE)
    # No line numbers in the .ts files: they would change with every edit of a source.
    add_custom_target(update_translations
        COMMAND ${TINTORA_LUPDATE} -locations none ${PROJECT_SOURCE_DIR}/src
                ${PROJECT_SOURCE_DIR}/resources -ts ${TINTORA_TS_FILES}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()
