#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs nickbridge-convert.exe under Wine on c:\ as a Windows user would: drive letters, "\" and
# folder-relative paths, a comma and a code page character in a folder name, CR LF nickname files
# that must be read and written as bytes, and the failures with their messages and exit codes.
# The nickname files are hand-made here; expected output is written out in full.
# Usage: tests/windows/convert_end_to_end.sh path/to/nickbridge-convert.exe   (WINEPREFIX set)
set -euo pipefail
exe=$(realpath "$1")
: "${WINEPREFIX:?WINEPREFIX must name the Wine installation to use}"
# The arguments are UTF-8 here; Wine hands them to the program in code page 1252.
export LC_ALL=C.UTF-8

root="$WINEPREFIX/drive_c/nickbridge-e2e"  # c:\nickbridge-e2e, the current folder of every run
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rm -rf "$root"
mkdir -p "$root/in" "$root/Smith, Jones" "$root/€uro"

failures=0
fail() {
    echo "FAIL [$case]: $*"
    failures=$((failures + 1))
}

# convert EXIT_CODE ARGS...: runs the program from c:\nickbridge-e2e; keeps its output, CRs removed.
convert() {
    local expected=$1 status=0
    shift
    (cd "$root" && wine "$exe" "$@") >"$scratch/out" 2>"$scratch/err" || status=$?
    out=$(tr -d '\r' <"$scratch/out")
    err=$(tr -d '\r' <"$scratch/err")
    [[ $status == "$expected" ]] || fail "exit code $status, expected $expected (stderr: $err)"
}
expect_out() { [[ $out == "$1" ]] || fail "stdout '$out', expected '$1'"; }
expect_err() { [[ $err == "$1" ]] || fail "stderr '$err', expected '$1'"; }
expect_bytes() {  # FILE PRINTF_FORMAT: the file holds exactly these bytes
    printf "$2" >"$scratch/expected"
    cmp -s "$scratch/expected" "$1" || fail "$1 differs: $(od -c "$1" 2>&1 | head -20)"
}
expect_files() {  # FOLDER NAMES...: the folder holds exactly these files (no temporary left behind)
    local folder=$1
    shift
    [[ "$(cd "$folder" && ls -A)" == "$(printf '%s\n' "$@")" ]] ||
        fail "$folder holds: $(ls -A "$folder" | tr '\n' ' ')"
}

bob='"Smith","Bob","","","","555 0100","","","bob@example.com","","","","","","","","","","Plays chess","0","Eudora Nicknames"\r\n'
kim='"","kim","","","","","","","kim@example.com","","","","","","","","","","","0","Eudora Nicknames"\r\n'
printf 'alias bob bob@example.com\r\nnote bob <name:Bob Smith><phone:555 0100>Plays chess\r\nalias kim kim@example.com\r\n' \
    >"$root/in/nicknames.txt"
cp "$root/in/nicknames.txt" "$root/€uro/nicknames.txt"

case="CR LF file, c:\\ paths, a comma in the output folder"
convert 0 'c:\nickbridge-e2e\in\nicknames.txt' 'c:\nickbridge-e2e\Smith, Jones\converted.txt'
expect_out 'Conversion Complete to ouput file "c:\nickbridge-e2e\Smith, Jones\converted.txt".'
expect_err ''
expect_bytes "$root/Smith, Jones/converted.txt" "$bob$kim"
expect_files "$root/Smith, Jones" converted.txt

case="source on drive z:, output path with / and an upper-case drive letter"
convert 0 "Z:${root//\//\\}\\in\\nicknames.txt" 'C:/nickbridge-e2e/slashes.txt'
expect_bytes "$root/slashes.txt" "$bob$kim"

# 0x80 is the euro sign in code page 1252: arguments, fopen and std::filesystem must all agree.
case="a code page character in both folders"
convert 0 'c:\nickbridge-e2e\€uro\nicknames.txt' 'c:\nickbridge-e2e\€uro\converted.txt'
expect_bytes "$root/€uro/converted.txt" "$bob$kim"
expect_files "$root/€uro" converted.txt nicknames.txt

# Text mode would stop reading at Ctrl-Z (losing zed), turn the CR LFs into LFs (one line for the
# loader), and write CR CR LF line ends and a CR before the lone LF of the notes.
case="binary files: Ctrl-Z and a lone LF pass, CR LF not doubled; folder-relative paths"
printf 'alias ann ann@example.com\r\nnote ann <name:Ann Lee>one\ntwo\032three\r\nalias zed zed@example.com\r\n' \
    >"$root/in/bytes.txt"
printf 'an older and longer output file\r\n%.0s' {1..20} >"$root/replaced.txt"
convert 0 'in\bytes.txt' '\nickbridge-e2e\replaced.txt'
expect_out 'Conversion Complete to ouput file "\nickbridge-e2e\replaced.txt".'
expect_bytes "$root/replaced.txt" \
    '"Lee","Ann","","","","","","","ann@example.com","","","","","","","","","","one\ntwo\032three","0","Eudora Nicknames"\r\n"","zed","","","","","","","zed@example.com","","","","","","","","","","","0","Eudora Nicknames"\r\n'

case="refused file: no output file"
printf 'Alias bob bob@example.com\r\n' >"$root/in/refused.txt"
convert 1 'c:\nickbridge-e2e\in\refused.txt' 'c:\nickbridge-e2e\refused-out.txt'
expect_out ''
expect_err 'This does not appear to be a Eudora Nicknames file.'
[[ ! -e "$root/refused-out.txt" ]] || fail "an output file was created"

case="refused file: an existing output file is left alone"
printf 'kept\r\n' >"$root/kept.txt"
convert 1 'c:\nickbridge-e2e\in\refused.txt' 'c:\nickbridge-e2e\kept.txt'
expect_bytes "$root/kept.txt" 'kept\r\n'

case="output folder missing"
convert 1 'c:\nickbridge-e2e\in\nicknames.txt' 'c:\nickbridge-e2e\missing\converted.txt'
expect_out ''
[[ $err == 'Cannot write the output file "c:\nickbridge-e2e\missing\converted.txt": '?* ]] ||
    fail "stderr '$err'"
[[ ! -e "$root/missing" ]] || fail "the missing folder was created"

case="source file missing"
convert 1 'c:\nickbridge-e2e\in\absent.txt' 'c:\nickbridge-e2e\absent-out.txt'
[[ $err == 'Cannot read the nickname file "c:\nickbridge-e2e\in\absent.txt": '?* ]] ||
    fail "stderr '$err'"
[[ ! -e "$root/absent-out.txt" ]] || fail "an output file was created"

rm -rf "$root"
if ((failures > 0)); then
    echo "nickbridge-convert.exe under Wine: $failures check(s) failed"
    exit 1
fi
echo "nickbridge-convert.exe under Wine: all checks passed"
