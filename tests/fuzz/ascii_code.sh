#!/bin/bash
# tests/fuzz/ascii_code.sh STAMP DEPFILE COMPILER [FLAGS...] SOURCE — fails when the code of SOURCE
# and of everything it includes holds a byte above ASCII once comments are gone (a Czech literal).
# The fuzz tree compiles without -fexec-charset=CP1250, which clang does not take: for such a
# translation unit that flag changes nothing, so the fuzzed code is the code the program runs.
set -eu
stamp=$1 depfile=$2; shift 2
source=${!#}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" -E -MD -MF "$depfile" -MT "$stamp" -o "$out"
# the preprocessor drops comments; line markers say which file a line came from
if ! LC_ALL=C awk '
  /^# [0-9]+ "/ { file = $3; gsub(/"/, "", file); line = $2 - 1; next }
  { ++line }
  /[\200-\377]/ { print file ":" line ": " $0; bad = 1 }
  END { exit bad }' "$out" >&2; then
  echo "$source: code above ASCII (a text of the program?); the fuzz tree compiles it without the program's charset" >&2
  exit 1
fi
touch "$stamp"
