#!/usr/bin/env bash
# Installs the Debian packages Tintora needs to build, run and test, when any is missing.
set -euo pipefail

packages=(cmake g++ make pkg-config dpkg-dev qt6-base-dev libqt6svg6
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev gimp-data
          fonts-dejavu-core)
# qt_add_translations with lrelease and lupdate for the editor's translations, and Qt's own
# translations of its dialogs and buttons.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The freedesktop validators and MIME tools that the test of the desktop files runs.
packages+=(desktop-file-utils appstream shared-mime-info libglib2.0-bin)
# `make coverage` alone needs gcovr; `make test` does not.
if [ "${1:-}" = --coverage ]; then
    packages+=(gcovr)
fi
# scripts/check-desktop.sh: a virtual display, keys and the clipboard from outside, and a
# listener on the accessibility bus.
if [ "${TINTORA_WITH_DESKTOP_CHECKS:-0}" = 1 ]; then
    packages+=(xvfb xauth xdotool xclip dbus at-spi2-core python3-gi gir1.2-atspi-2.0)
fi
if [ "${TINTORA_WITH_CLANG:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
