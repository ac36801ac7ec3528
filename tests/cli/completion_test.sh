#!/usr/bin/env bash
# Runs tintora-cli's bash completion on every command line of the case table (in a folder
# holding the files the table names) and compares what it offers.
#   completion_test.sh COMPLETION_SCRIPT CASES
set -u
cases=$2
source "$1" && [[ -r $cases ]] || exit 1
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT || exit 1
touch a.pal b.PAL c.json d.gpl e.hex f.ini g.png h.txt k.ASE && mkdir sub

failures=0
while IFS='|' read -r line expected; do
    [[ -z $line || $line == \#* ]] && continue
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tintora_cli
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort -u | xargs)
    if [[ $offered != "$expected" ]]; then
        echo "\"$line\": offered \"$offered\", expected \"$expected\""
        failures=$((failures + 1))
    fi
done <"$cases"
exit $((failures > 0))
