# Cross build of the core, its tests and tintora-cli for 64-bit Windows with Debian's
# mingw-w64 compiler (g++-mingw-w64-x86-64-posix), run and tested here under Wine:
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
#   cmake --build build-win -j2 && (cd build-win && ctest --output-on-failure)
#
# The editor needs Qt, which Debian has only for Linux, so it stays off.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TINTORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TINTORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TINTORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TINTORA_MINGW_TRIPLET}-windres)

# No DLLs beside the .exe files: the C++ runtime and the threads library are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# A function that falls off its end without a value made a program spin for ever under Wine.
set(CMAKE_CXX_FLAGS_INIT "-Werror=return-type")

# Header-only libraries of the build machine (CLI11, nlohmann-json) serve any target; they are
# offered through a folder of links, so that the host's /usr/include never reaches the
# cross compiler.
set(TINTORA_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
foreach(link include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json)
    if(EXISTS /usr/${link} AND NOT EXISTS ${TINTORA_HOST_HEADERS}/usr/${link})
        get_filename_component(parent ${TINTORA_HOST_HEADERS}/usr/${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK /usr/${link} ${TINTORA_HOST_HEADERS}/usr/${link} SYMBOLIC)
    endif()
endforeach()

set(CMAKE_FIND_ROOT_PATH /usr/${TINTORA_MINGW_TRIPLET} ${TINTORA_HOST_HEADERS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GoogleTest is built from Debian's source package for the target.
set(TINTORA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(TINTORA_BUILD_GUI OFF CACHE BOOL "The editor needs Qt, which has no Windows build here")

# ctest and test discovery start every test program under Wine.
find_program(TINTORA_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
if(TINTORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${TINTORA_WINE})
endif()
