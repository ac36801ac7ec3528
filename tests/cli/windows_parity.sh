#!/usr/bin/env bash
# tintora-cli.exe under Wine against the Linux tintora-cli on the test data: each case runs
# in a fresh folder of copies of the fixtures, once per build, and must give the same exit
# code, the same bytes on standard output and error, and the same files, byte for byte.
#
#   windows_parity.sh LINUX_CLI WINDOWS_CLI_EXE DATA_DIR [WINE]
set -euo pipefail
linux_cli=$1
windows_cli=$2
data=$3
wine=${4:-wine64}
export WINEDEBUG=-all

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

# Runs one side of a case in its own folder: the fixtures under names of several scripts,
# then the command with its file names relative to that folder.
run_side() {
    local dir=$1
    shift
    mkdir -p "$dir/files"
    cp "$data"/cli/* "$data"/check/one_of_each.pal "$dir/files/"
    cp "$data/cli/three_palettes.pal" "$dir/files/Café Ünïcode €.pal"
    cp "$data/cli/legacy.ini" "$dir/files/Grüne Stifte.ini"
    local code=0
    (cd "$dir/files" && "$@" >"../out" 2>"../err") || code=$?
    echo "$code" >"$dir/code"
}

# One case: a name, then the arguments of tintora-cli.
case_() {
    local name=$1
    shift
    run_side "$scratch/$name/linux" env LC_ALL=C "$linux_cli" "$@"
    run_side "$scratch/$name/windows" env LC_ALL=C.UTF-8 "$wine" "$windows_cli" "$@"
    if diff -r "$scratch/$name/linux" "$scratch/$name/windows" >"$scratch/$name.diff"; then
        echo "same: $name"
    else
        echo "DIFFERENT: $name"
        head -n 20 "$scratch/$name.diff"
        failed=1
    fi
}

# The cases: one line each. A new command's cases are new lines here.
case_ default-new default "Neue Palette.pal"
case_ default-over-existing default "three_palettes.pal"
case_ default-non-ascii default "Café Ünïcode €.pal"
case_ dump-default dump default.pal
case_ dump-windows-1252 dump eight_bit_names.pal
case_ dump-non-ascii-name dump "Café Ünïcode €.pal"
case_ dump-no-palettes dump no_palettes.pal
case_ import-new import legacy.ini "Neue Palette.pal"
case_ import-existing import "Grüne Stifte.ini" three_palettes.pal
case_ import-non-ascii import legacy.ini "Café Ünïcode €.pal"
case_ check-clean check default.pal
case_ check-findings check one_of_each.pal
case_ check-non-ascii check "Café Ünïcode €.pal"
case_ convert-to-json convert three_palettes.pal "Neue Palette.json"
case_ convert-to-gpl convert "Café Ünïcode €.pal" out.gpl
case_ convert-json-to-pal convert bad_colour.json out.pal
case_ convert-to-stdout convert three_palettes.pal - --to hex --index 1
case_ convert-onto-itself convert default.pal default.pal
case_ audit-json audit default.pal --json
case_ derive-in-place derive "Café Ünïcode €.pal" --to dark --index 1
case_ derive-to-out derive three_palettes.pal --to light --min-contrast 7 -o out.pal
case_ usage-error dump

exit "$failed"
