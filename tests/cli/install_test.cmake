# Installs the build into a temporary prefix, checks that every file landed in its GNU
# place, and starts what was installed: tintora-cli on the installed Example.pal, and the
# editor through the command of the installed menu entry, offscreen. The editor runs until
# closed, so still running after two seconds counts as started. Its --help and --version
# must answer without any display at all.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DWITH_GUI=ON|OFF -P install_test.cmake

foreach(variable BUILD_DIR SOURCE_DIR PREFIX WITH_GUI)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "install test: ${variable} not given")
    endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

# What must be installed: the programs, their manual pages, the completion, the licence and
# changelog, the application folder (Example.pal, the help pages, the translations and
# whatever else the sources keep for it), the menu entry, its icons, the MIME type and the AppStream metadata.
set(id org.tintora.tintora)
set(expected bin/tintora-cli share/man/man1/tintora-cli.1.gz
     share/bash-completion/completions/tintora-cli share/doc/tintora/copyright
     share/doc/tintora/changelog.gz)
if(WITH_GUI)
    list(APPEND expected bin/tintora share/man/man1/tintora.1.gz share/tintora/Example.pal
         share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
         share/mime/packages/${id}.xml share/icons/hicolor/scalable/apps/${id}.svg)
    foreach(size 16 32 48 64 128 256)
        list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
    endforeach()
    file(GLOB_RECURSE help_files RELATIVE ${SOURCE_DIR}/resources ${SOURCE_DIR}/resources/help/*)
    file(GLOB_RECURSE app_folder_files RELATIVE ${SOURCE_DIR}/resources/app_folder
         ${SOURCE_DIR}/resources/app_folder/*)
    foreach(file IN LISTS help_files app_folder_files)
        list(APPEND expected share/tintora/${file})
    endforeach()
    # The translations, compiled.
    file(GLOB translations RELATIVE ${SOURCE_DIR}/resources
         ${SOURCE_DIR}/resources/translations/*.ts)
    foreach(file IN LISTS translations)
        string(REGEX REPLACE "\\.ts$" ".qm" file ${file})
        list(APPEND expected share/tintora/${file})
    endforeach()
endif()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " expected_text "${expected}")
    string(REPLACE ";" "\n  " installed_text "${installed}")
    message(FATAL_ERROR "installed files differ\nexpected:\n  ${expected_text}\n"
                        "installed:\n  ${installed_text}")
endif()

# The programs find their libraries in the system's folders, not through an RPATH or RUNPATH.
foreach(program IN LISTS expected)
    if(program MATCHES "^bin/")
        execute_process(COMMAND readelf --dynamic ${PREFIX}/${program} OUTPUT_VARIABLE output)
        if(output MATCHES "R(UN)?PATH")
            message(FATAL_ERROR "${program} has a library search path:\n${output}")
        endif()
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/tintora-cli --version
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed tintora-cli does not start: ${result}\n${output}")
endif()
if(NOT WITH_GUI)
    file(REMOVE_RECURSE ${PREFIX})
    return()
endif()

# The installed example must read exactly as written.
execute_process(COMMAND ${PREFIX}/bin/tintora-cli check ${PREFIX}/share/tintora/Example.pal
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "tintora-cli check on the installed Example.pal: ${result}\n${output}")
endif()

# The menu entry's command, found first in the installed bin/ on the PATH.
file(STRINGS ${PREFIX}/share/applications/${id}.desktop exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" command "${exec_line}")
if(NOT EXISTS ${PREFIX}/bin/${command})
    message(FATAL_ERROR "the menu entry runs \"${command}\", which is not installed in bin/")
endif()

foreach(option --help --version)
    execute_process(
        COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${PREFIX}/bin/tintora ${option}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output MATCHES "^(Usage: tintora \\[FILE\\]|tintora [0-9])")
        message(FATAL_ERROR "tintora ${option} without a display (${result}):\n${output}")
    endif()
endforeach()

# Settings and data folders of the run stay inside the test's own folder.
set(home ${PREFIX}-home)
file(REMOVE_RECURSE ${home})
file(MAKE_DIRECTORY ${home})
execute_process(
    # env replaces itself by the program, so the timeout ends the program itself.
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen HOME=${home}
            XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data
            "PATH=${PREFIX}/bin:$ENV{PATH}" ${command}
    TIMEOUT 2
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE_RECURSE ${home} ${PREFIX})
if(NOT result MATCHES "timeout")
    message(FATAL_ERROR "the installed tintora ended at once (${result}):\n${output}")
endif()
message(STATUS "installed tintora was still running after 2 s")
