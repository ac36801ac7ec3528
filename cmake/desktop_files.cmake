# What Tintora installs beside its programs for the desktop and the shell: the manual pages,
# the bash completion, the licence and changelog, and for the editor its menu entry, icons,
# MIME type and AppStream metadata, all named after the application id.
if(NOT UNIX OR APPLE)
    return()
endif()

set(TINTORA_APP_ID org.tintora.tintora)
set(resources ${PROJECT_SOURCE_DIR}/resources)
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/tintora)

# Manual pages and the changelog are installed compressed, as Debian wants them; gzip -n
# keeps the file's name and time out of the archive, so a rebuild gives the same bytes.
find_program(GZIP_PROGRAM gzip)
function(tintora_install_compressed source destination)
    get_filename_component(name ${source} NAME)
    if(NOT GZIP_PROGRAM)
        install(FILES ${source} DESTINATION ${destination})
        return()
    endif()
    set(copy ${PROJECT_BINARY_DIR}/compressed/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${GZIP_PROGRAM} -9nf ${copy}
        DEPENDS ${source} VERBATIM)
    string(REPLACE "." "_" target compressed_${name})
    add_custom_target(${target} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

tintora_install_compressed(${PROJECT_SOURCE_DIR}/docs/man/tintora-cli.1
                           ${CMAKE_INSTALL_MANDIR}/man1)
tintora_install_compressed(${PROJECT_SOURCE_DIR}/packaging/changelog ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${doc_dir})
install(FILES ${resources}/completion/tintora-cli
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)

if(NOT TINTORA_BUILD_GUI)
    return()
endif()

tintora_install_compressed(${PROJECT_SOURCE_DIR}/docs/man/tintora.1 ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${resources}/${TINTORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${resources}/${TINTORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${resources}/${TINTORA_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME ${TINTORA_APP_ID}.xml)

set(icon_dir ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${resources}/icons/application.svg
        DESTINATION ${icon_dir}/scalable/apps RENAME ${TINTORA_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES ${resources}/icons/application/${size}.png
            DESTINATION ${icon_dir}/${size}x${size}/apps RENAME ${TINTORA_APP_ID}.png)
endforeach()
