# Checks the menu entry and the AppStream metadata with the freedesktop validators, and that
# the MIME type claims Tintora's palette files by their content and no other program's .pal
# file, in a MIME database of its own.
#
#   cmake -DSOURCE_DIR=... -DDATA_DIR=... -DWORK_DIR=... -P desktop_files_test.cmake

set(id org.tintora.tintora)
set(resources ${SOURCE_DIR}/resources)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN}:\n${out}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

run(desktop-file-validate ${resources}/${id}.desktop)
run(appstreamcli validate --no-net --pedantic ${resources}/${id}.metainfo.xml)

# Only our type is known here: what it does not claim is text/plain or octet-stream.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/mime/packages)
file(COPY_FILE ${resources}/${id}.mime.xml ${WORK_DIR}/mime/packages/${id}.xml)
run(update-mime-database ${WORK_DIR}/mime)
foreach(case "${resources}/Example.pal=application/x-tintora-palette"
             "${DATA_DIR}/hand_made.pal=application/x-tintora-palette"
             "${DATA_DIR}/other_header.pal=text/plain" "${DATA_DIR}/jasc.pal=text/plain"
             "${DATA_DIR}/riff.pal=application/octet-stream")
    string(REPLACE "=" ";" case "${case}")
    list(GET case 0 file)
    list(GET case 1 type)
    run(env XDG_DATA_HOME=${WORK_DIR} XDG_DATA_DIRS=${WORK_DIR}
        gio info --attributes=standard::content-type ${file})
    if(NOT output MATCHES "standard::content-type: ${type}\n")
        message(SEND_ERROR "${file}: expected ${type}, got\n${output}")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
