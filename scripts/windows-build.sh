#!/usr/bin/env bash
# The Windows build of the core, its tests and tintora-cli, cross-compiled with mingw-w64 and
# tested under Wine: installs the packages it needs when missing, builds into build-win/ and
# runs ctest there, which also compares tintora-cli.exe byte for byte with a Linux
# tintora-cli: the one given (the first argument), or one built into build-win-linux/.
# Further arguments go to the configuring of the Windows build.
#
#   scripts/windows-build.sh [LINUX_TINTORA_CLI [CMAKE_ARGS...]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TINTORA_WINDOWS_BUILD:-build-win}
linux_cli=${1:-}

packages=(g++-mingw-w64-x86-64-posix wine64 googletest)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A Wine of our own, quiet, with one server kept up for all the tests: each test program
# then starts in a few hundredths of a second instead of paying Wine's start-up.
export WINEDEBUG=-all
export WINEPREFIX=$PWD/$build/wineprefix
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"
"$wineserver" -p </dev/null
# The prefix is made now, once, rather than inside the first test program's time limit.
"$wine" wineboot --init </dev/null
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

if [ -z "$linux_cli" ]; then
    cmake -S . -B "$build-linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_BUILD_GUI=OFF \
          -DTINTORA_BUILD_TESTS=OFF
    cmake --build "$build-linux" -j "$(nproc)" --target tintora-cli
    linux_cli=$build-linux/src/cli/tintora-cli
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_LINUX_CLI="$(realpath "$linux_cli")" "${@:2}"
cmake --build "$build" -j "$(nproc)"
(cd "$build" && ctest --output-on-failure -j "$(nproc)")
