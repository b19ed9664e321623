#!/usr/bin/env bash
# Huevane as a download that strangers run. Unpacked into a folder that holds
# DLLs with the names of system DLLs (a Downloads folder holds whatever was
# downloaded), it loads none of them, also where the system would look in
# the program's folder first. And another program's forged messages, posted
# to its window, neither end it nor copy, write or open box upon box, nor
# make it write through a pointer, whichever loop its thread runs.
#
# usage: run_strangers.sh HUEVANE_EXE PROBE_EXE PLANTED_DLL
set -u
probe_exe=$2
# shellcheck source=harness.sh
. "$(dirname "$0")/harness.sh"

echo "== no DLL from the program's folder"
downloads=$(dirname "$WINEPREFIX")/downloads
rm -rf "$downloads"
mkdir -p "$downloads"
cp "$1" "$downloads/Huevane.exe"
# The crypto provider's and what it loads, which the stack protector's
# guard would ask for.
planted=(uxtheme dwmapi version msimg32 comctl32 oleacc uiautomationcore bcrypt crypt32 rsaenh cryptsp cryptbase wtsapi32)
for name in "${planted[@]}"; do cp "$3" "$downloads/$name.dll"; done
exe=$downloads/Huevane.exe
# Wine then searches the program's folder before its own DLLs, as Windows
# does for a DLL that is not one of its known DLLs.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=,; echo "${planted[*]}")=n,b" start_picker
check "the window opened" 1 "$(probe windows)"
# The program imports only Windows' known DLLs, whose own imports Windows
# takes from System32 alone (the package test checks the imports). Wine has
# no known DLLs: as the process starts, its user32 takes version.dll from
# the folder. Every DLL loaded once the program runs is the program's doing.
check "no planted DLL was loaded once the program ran" "" "$(cd "$downloads" && ls -- *.loaded 2>/dev/null)"

echo "== another program's forged messages"
forged=$(probe_once forge)
check "the window still answers" 1 "$(probe_once idle-periods 1)"
check "the clipboard is untouched" "clipboard untouched" "$(sed -n 1p <<<"$forged")"
check "no slot's text was written" "edit=" "$(sed -n 2p <<<"$forged")"
check "one box opened" "boxes=1" "$(sed -n 3p <<<"$forged")"
check "nothing written in the menu bar's loop" "untouched" "$(sed -n 4p <<<"$forged")"
check "nothing written in the value box's menu" "untouched" "$(sed -n 5p <<<"$forged")"

report
