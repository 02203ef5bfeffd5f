#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes values into Wine's registry with `reg` and `regedit`, reads them back through
# readRegistryValue with Windows' own registry functions, and starts the System Information tool the
# way the About box does: from its "PATH" value, from its folder, or not at all.
# Usage: tests/windows/registry_end_to_end.sh path/to/registry-probe.exe   (WINEPREFIX set)
set -euo pipefail
probe=$(realpath "$1")
: "${WINEPREFIX:?WINEPREFIX must name the Wine installation to use}"
export LC_ALL=C.UTF-8  # Wine reads the arguments as UTF-8 and stores them in Unicode

failures=0
fail() {
    echo "FAIL [$case]: $*"
    failures=$((failures + 1))
}
# The probe ends with status 0 whatever it finds; any other status is Wine failing to run it,
# which a loaded machine has shown once. It is tried once more, then printed, so the check fails
# with the status instead of ending the script without a word.
run() {
    local out status=0
    for _ in 1 2; do
        if out=$(wine "$probe" "$@" 2>/dev/null); then
            printf '%s' "${out//$'\r'/}"
            return 0
        else
            status=$?
        fi
    done
    printf 'Wine ended with status %s' "$status"
}
expect() {  # EXPECTED ARGS...: the probe prints EXPECTED
    local expected=$1 out
    shift
    out=$(run "$@")
    [[ $out == "$expected" ]] || fail "printed '$out', expected '$expected'"
}
reg_add() { wine reg add "$@" /f >/dev/null 2>&1 || fail "reg add $*"; }

key='Software\NickBridge Test'
long=$(printf 'x%.0s' {1..1100})
exact=$(printf 'y%.0s' {1..1023})  # with its NUL exactly the 1024-byte buffer

reg_add "HKLM\\$key" /v Text /t REG_SZ /d 'C:\Tools\MSINFO32.EXE'
reg_add "HKLM\\$key" /v Euro /t REG_SZ /d '€uro'
reg_add "HKLM\\$key" /v Number /t REG_DWORD /d 305419896
reg_add "HKLM\\$key" /v Long /t REG_SZ /d "$long"
reg_add "HKLM\\$key" /v Exact /t REG_SZ /d "$exact"
# Values `reg add` cannot write: text without its NUL, two NULs, no bytes at all, binary.
regfile="$WINEPREFIX/drive_c/nickbridge-values.reg"
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\%s]\r\n"NoNul"=hex(1):41,42,43\r\n"TwoNuls"=hex(1):41,42,00,00\r\n"Empty"=hex(1):\r\n"Binary"=hex:01,02\r\n' \
    "$key" >"$regfile"
wine regedit /s 'C:\nickbridge-values.reg' >/dev/null 2>&1 || fail "regedit"

case="REG_SZ written with its NUL"; expect 'found:C:\x5CTools\x5CMSINFO32.EXE' value "$key" Text
case="REG_SZ in the ANSI code page"; expect 'found:\x80uro' value "$key" Euro
case="REG_SZ without a NUL stays whole"; expect 'found:ABC' value "$key" NoNul
case="REG_SZ loses one of two NULs"; expect 'found:AB\x00' value "$key" TwoNuls
case="REG_SZ of 1024 bytes"; expect "found:$exact" value "$key" Exact
case="REG_SZ over 1024 bytes"; expect 'missing:' value "$key" Long
case="REG_SZ of no bytes"; expect 'missing:' value "$key" Empty
case="REG_DWORD in decimal"; expect 'found:305419896' value "$key" Number
case="REG_BINARY found, text empty"; expect 'found:' value "$key" Binary
case="missing value"; expect 'missing:' value "$key" Absent
case="missing key"; expect 'missing:' value 'Software\NickBridge Absent' Text

sysinfo='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
folder='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
wine reg delete "$sysinfo" /f >/dev/null 2>&1 || true
wine reg delete "$folder" /v MSINFO /f >/dev/null 2>&1 || true

case="System Information: no registry values"; expect 'unavailable' sysinfo

marker="$WINEPREFIX/drive_c/nickbridge started"
case="System Information: PATH started as it stands, arguments included"
reg_add "$sysinfo" /v PATH /t REG_SZ /d 'cmd.exe /c mkdir "C:\nickbridge started"'
expect 'started:cmd.exe /c mkdir "C:\x5Cnickbridge started"' sysinfo
for _ in $(seq 100); do [[ -d $marker ]] && break; sleep 0.1; done
[[ -d $marker ]] || fail "the command did not run"

case="System Information: PATH names no program"
reg_add "$sysinfo" /v PATH /t REG_SZ /d 'C:\Missing\MSINFO32.EXE'
expect 'unavailable' sysinfo

case="System Information: only the folder, without MSINFO32.EXE"
wine reg delete "$sysinfo" /f >/dev/null 2>&1 || fail "reg delete"
mkdir -p "$WINEPREFIX/drive_c/msinfo"
reg_add "$folder" /v MSINFO /t REG_SZ /d 'C:\msinfo'
expect 'unavailable' sysinfo

case="System Information: the folder's MSINFO32.EXE"
cp "$probe" "$WINEPREFIX/drive_c/msinfo/MSINFO32.EXE"  # any real program will do
expect 'started:C:\x5Cmsinfo\x5CMSINFO32.EXE' sysinfo

if ((failures > 0)); then
    echo "registry and launcher under Wine: $failures check(s) failed"
    exit 1
fi
echo "registry and launcher under Wine: all checks passed"
