#!/usr/bin/env bash
# Huevane on two monitors: the primary, 1024 by 768, and one of 800 by 600 to
# its left, which Wine places at negative coordinates. They are two outputs
# of one screen of the X.Org server with its dummy video driver, laid out by
# RandR from the server's configuration: Wine 8 and Wine 10 both read
# monitors from RandR (Wine 10 no longer from screens joined by Xinerama), and
# Xvfb has no outputs to lay out. Runs in the Wine prefix that
# tests/isolated.sh gives it, and starts its Wine once its X server is up.
#
# usage: run_two_monitors.sh HUEVANE_EXE PROBE_EXE WORK_DIR
set -u
exe=$1
probe_exe=$2
work=$3
# shellcheck source=harness.sh
. "$(dirname "$0")/harness.sh"

mkdir -p "$work"
# The driver's outputs DUMMY0 and DUMMY1 take the monitors named for them.
cat >"$work/xorg.conf" <<'EOF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "card"
    Driver "dummy"
    VideoRam 32768
    Option "Monitor-DUMMY0" "primary"
    Option "Monitor-DUMMY1" "left"
EndSection
Section "Monitor"
    Identifier "primary"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
    Option "PreferredMode" "1024x768"
    Option "Primary" "true"
EndSection
Section "Monitor"
    Identifier "left"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "800x600" 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync
    Option "PreferredMode" "800x600"
    Option "Enable" "true"
    Option "LeftOf" "primary"
EndSection
Section "Screen"
    Identifier "screen"
    Device "card"
    Monitor "primary"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 1824 768
    EndSubSection
EndSection
EOF
start_x_server Xorg -config "$work/xorg.conf" -noreset -nolisten tcp -logfile "$work/xorg.log" "vt$(($$ % 50 + 8))" ||
  exit 1
# X's origin is the left monitor's corner, 800 pixels left of Wine's.
root_x_offset=800

start_wine

echo "== the monitors as the program sees them"
check "the left monitor starts at x = -800" "-800 0 1824 768" "$(probe screens)"

# Along y 100 to 200: white at the left monitor's left edge, black, then red
# and green left of the seam at x = 0, blue and white right of it.
show_scene -800 100 1000 100 FFFFFF 000000 000000 000000 000000 000000 FF0000 00FF00 0000FF FFFFFF
start_picker
preview() { pixel_of_control "$(id IDC_PREVIEW)"; }

echo "== on the left monitor"
point -150 150
expect "position with a negative x" "X: -150, Y: 150" field position
expect "colour on the left monitor" "255, 0, 0" field live
expect "preview on the left monitor" "FF0000" preview
expect "zoom view on the left monitor" "FF0000" zoom_pixel 21

echo "== on the primary monitor"
point 50 150
expect "position on the primary" "X: 50, Y: 150" field position
expect "colour on the primary" "0, 0, 255" field live
expect "preview on the primary" "0000FF" preview
expect "zoom view on the primary" "0000FF" zoom_pixel 61

echo "== across the seam"
# At 4X the square spans x = -9 to 10: green up to the seam, blue from it.
point 0 150
expect "position at the seam" "X: 0, Y: 150" field position
expect "colour at the seam" "0, 0, 255" field live
expect "zoom view left of the seam" "00FF00" zoom_pixel 21
expect "zoom view right of the seam" "0000FF" zoom_pixel 61
point -1 150
expect "position just left of the seam" "X: -1, Y: 150" field position
expect "colour just left of the seam" "0, 255, 0" field live

echo "== at the left monitor's outer edge"
point -800 150
expect "position at the outer edge" "X: -800, Y: 150" field position
expect "colour at the outer edge" "255, 255, 255" field live
expect "zoom view beyond the edge is black" "000000" zoom_pixel 21
expect "zoom view on the edge's side" "FFFFFF" zoom_pixel 61

echo "== About and Help open wholly on the left monitor"
# Whether the rectangle L T R B lies inside the left monitor.
on_left_monitor() {
  if [ "$#" -eq 4 ] && [ "$1" -ge -800 ] && [ "$2" -ge 0 ] && [ "$3" -le 0 ] && [ "$4" -le 600 ]; then
    echo yes
  else
    echo "no: $*"
  fi
}
# The main window beyond the left monitor's left and bottom edges (below it
# there is no screen); the rule of where a box opens is the core's, tested
# there edge by edge.
for place in "-850 300" "-500 500"; do
  read -r x y <<<"$place"
  [ "$(probe_once move "$x" "$y")" = "moved" ] || give_up "the main window did not move to $x, $y"
  for name in ID_HELP_ABOUT ID_HELP_HELP; do
    read -r -a box_rect < <(probe_once box "$(id "$name")")
    check "$name with the main window at $x, $y" yes "$(on_left_monitor "${box_rect[@]}")"
  done
done

report
