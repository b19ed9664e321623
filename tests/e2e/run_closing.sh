#!/usr/bin/env bash
# A person's ways of closing Huevane end its process: the close box, which
# the system turns into the close command that Alt+F4 and the system menu
# give too, and Enter in the edit box, which the template leaves to the
# dialog; each on a copy of its own. The window tests close it with each
# message these ways send. Apart from run_e2e.sh so that the two can run side
# by side: each start of the 32-bit program costs about a minute where
# qemu-user runs it.
#
# usage: run_closing.sh HUEVANE_EXE PROBE_EXE
set -u
exe=$1
probe_exe=$2
# shellcheck source=harness.sh
. "$(dirname "$0")/harness.sh"

echo "== every way of closing ends the program"
closer_names=("the close box" "Enter")
for closer in 0 1; do
  start_picker
  case $closer in
    0) read -r wx wy < <(xdotool search --name '^Huevane$' getwindowgeometry --shell | sed -n 's/^[XY]=//p' | tr '\n' ' ')
       width=$(xdotool search --name '^Huevane$' getwindowgeometry --shell | sed -n 's/^WIDTH=//p')
       click_at $((wx + width - 10)) $((wy + 10)) ;;
    1) click_control "$(id IDC_VALUE_EDIT)"; key Return ;;
  esac
  expect "${closer_names[$closer]} ends the process" "" picker_pids
  close_all
done

report
