#!/bin/sh
# How ctest starts a Windows program: under Wine (the first argument), the program and its
# arguments after it. The first program of a Wine session starts Wine's own services,
# which keep every descriptor they are handed; started from a test, they would hold its
# output pipe open, and ctest would wait for them until its time limit. So the program's
# output goes through files, which the services may keep.
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
code=$?
cat "$out"
cat "$err" >&2
exit $code
