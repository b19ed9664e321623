#!/usr/bin/env bash
# Huevane on a Wayland desktop as GNOME and KDE run one: weston, headless,
# with XWayland for X programs, where every screen read that Wine makes gives
# black. The picker must say so once, show no colour as read and store none.
# Runs in the Wine prefix that tests/isolated.sh gives it.
#
# usage: run_wayland.sh HUEVANE_EXE PROBE_EXE WORK_DIR
set -u
exe=$1
probe_exe=$2
work=$3
# shellcheck source=harness.sh
. "$(dirname "$0")/harness.sh"

# A runtime folder of its own; the folder of X's sockets, which XWayland
# does not make.
rm -rf "$work" && mkdir -p "$work" && mkdir -m 0700 "$work/runtime"
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
# weston 10 names its headless back end by its module's file, later ones by name.
case $(weston --version) in "weston 10."*) backend=headless-backend.so ;; *) backend=headless ;; esac
XDG_RUNTIME_DIR=$work/runtime weston --backend="$backend" --xwayland --socket=huevane \
  --log="$work/weston.log" </dev/null >/dev/null 2>&1 &
weston_pid=$!
# Ended gently first, so that it takes its X display's lock with it; in the
# test's process group, which tests/isolated.sh ends when CTest stops it.
trap 'close_all; kill "$weston_pid" 2>/dev/null; wait "$weston_pid"' EXIT
xwayland() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null; }
DISPLAY=$(eventually_not "" xwayland)
export DISPLAY WAYLAND_DISPLAY=huevane XDG_RUNTIME_DIR=$work/runtime
wait_for_display "$weston_pid" || exit 1
start_wine

start_picker
expect "the notice" "Huevane cannot read the screen on this desktop. Colours are not shown.

Under Wine on a Wayland desktop, Windows programs see no other window. To pick colours, log in to an X11 \
session (for example \"GNOME on Xorg\" at the log-in screen)." probe notice
check "no colour is shown as read" "" "$(field live)"
check "the hot key is posted" "posted" "$(probe_once hotkey)"
ticks_pass
check "and stores nothing" "000000" "$(field enabled)"
report
