#!/usr/bin/env bash
# Runs one test in a world of its own: a fresh copy of the Wine prefix with a
# Wine server of its own, and an X display of its own unless the test brings
# its X server. Whatever the test started is ended when it ends, also when
# CTest stops this script for its time limit: that comes as SIGKILL, which no
# trap sees, so a watcher outside this process group waits for the end of
# this script, or of CTest, and ends the rest. Nothing is ended by name: the
# Wine server of this prefix, and the processes and process groups recorded
# in WORK_DIR/pids.
#
# usage: isolated.sh WORK_DIR [--x-server-of-its-own] [--dpi DPI] -- COMMAND [ARG...]
# --dpi sets the system's scale in the prefix before anything starts.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
work=$1
shift
# shellcheck source=../scripts/wine-env
. "$root/scripts/wine-env"
# How long a start of the program may take, for the tests that start it.
export HUEVANE_START_PATIENCE=$start_patience

# Ends every process of this test's world.
end_world() {
  local target
  WINEPREFIX="$work/prefix" "$huevane_wineserver" -k >/dev/null 2>&1
  while read -r target; do
    kill -KILL -- "$target" 2>/dev/null
  done <"$work/pids"
  return 0
}

if [ "$1" = --watch ]; then
  # The watcher: $2 is the id of the script that it watches, $3 CTest's.
  while kill -0 "$2" 2>/dev/null && kill -0 "$3" 2>/dev/null; do sleep 0.5; done
  kill -KILL "$2" 2>/dev/null
  end_world
  exit 0
fi

own_x=""
dpi=""
while [ "$1" != -- ]; do
  case $1 in
    --x-server-of-its-own) own_x=1 ;;
    --dpi) dpi=$2; shift ;;
    *) echo "isolated.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
shift

mkdir -p "$work"
export HUEVANE_PID_FILE="$work/pids"
: >"$HUEVANE_PID_FILE"
setsid bash "$0" "$work" --watch $$ "$PPID" </dev/null >/dev/null 2>&1 &
watcher=$!

test_group=""
finish() {
  [ -n "$test_group" ] && kill -KILL -- "-$test_group" 2>/dev/null
  end_world
  kill "$watcher" 2>/dev/null
}
trap finish EXIT
trap 'exit 143' TERM INT

use_fresh_prefix "$work/prefix" || exit 1
if [ -n "$dpi" ]; then set_system_dpi "$dpi" || exit 1; fi
if [ -z "$own_x" ]; then
  unset DISPLAY
  start_display || exit 1
  start_wine
fi

# The test in a process group of its own, which it and its helpers share.
setsid "$@" &
test_group=$!
echo "-$test_group" >>"$HUEVANE_PID_FILE"
wait "$test_group"
