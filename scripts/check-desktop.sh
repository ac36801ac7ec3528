#!/bin/bash
# Checks the editor on a real (virtual) X display, where the headless tests cannot reach:
# the clipboard shared with other programs (xclip), undo and the modified flag through the
# real shortcuts, and what a screen reader finds and hears through AT-SPI.
#
#   scripts/check-desktop.sh [BUILD_DIR]      (default: build)
#
# Needs xvfb, xdotool, xclip, dbus, at-spi2-core, python3-gi and gir1.2-atspi-2.0.
set -euo pipefail
if [ -z "${CHECK_DESKTOP_INSIDE:-}" ]; then
    export CHECK_DESKTOP_INSIDE=1
    exec xvfb-run -a -s "-screen 0 800x600x24" dbus-run-session -- "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
tintora=$(cd "${1:-build}" && pwd)/src/app/tintora
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
cp "$here/../tests/data/cli/three_palettes.pal" "$work/three.pal"

fail() { echo "FAIL: $*"; exit 1; }
clipboard_after() { xdotool key "$1"; sleep 0.3; xdotool key ctrl+c; sleep 0.3; xclip -selection clipboard -o; }

# Qt joins the accessibility bus only when it runs at start-up.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tintora" "$work/three.pal" 2>/dev/null &
pid=$!
sleep 2
xdotool key Return # the start-up message
sleep 1
window=$(xdotool search --name '^Tintora - three.pal$' | head -1)
[ -n "$window" ] || fail 'no window "Tintora - three.pal"'

printf 'rgb(10, 20, 30)\n' | xclip -selection clipboard
[ "$(clipboard_after ctrl+v)" = '#0a141e' ] || fail 'paste of rgb(10, 20, 30)'
printf 'hello' | xclip -selection clipboard
[ "$(clipboard_after ctrl+v)" = '#0a141e' ] || fail 'a paste of "hello" changed the pen'
[ "$(clipboard_after ctrl+z)" = '#ff0000' ] || fail 'undo of the paste'
[ "$(clipboard_after ctrl+shift+z)" = '#0a141e' ] || fail 'redo of the paste'
xdotool key ctrl+z ctrl+s
sleep 1
xdotool search --name '^Info$' >/dev/null || fail 'no "Info" box after undoing back and saving'
xdotool key Return
sleep 0.5
xdotool windowfocus "$window"
echo 'clipboard, undo, redo: ok'

xdotool key Tab End Up
sleep 0.5
/usr/bin/python3 "$here/desktop_checks/walk_accessibility.py" 254
# Closes the chooser the walk left open, then selects pen 69 by number, pastes onto it and
# tabs away and back, listening to what a screen reader hears.
/usr/bin/python3 "$here/desktop_checks/listen_accessibility.py"
sleep 0.5
xdotool windowfocus "$window"
xdotool key ctrl+z ctrl+q
sleep 1
! kill -0 $pid 2>/dev/null || fail 'Ctrl+Q did not end the editor without a question'
echo 'all desktop checks passed'
