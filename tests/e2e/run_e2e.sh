#!/usr/bin/env bash
# Huevane as a person uses it: the real program in its own process, driven
# with the pointer and keys of the X display (xdotool), read from the screen,
# the window texts that any program can read (the probe) and the clipboard
# (xclip). Runs on the display and in the Wine prefix that tests/isolated.sh
# gives it.
#
# usage: run_e2e.sh HUEVANE_EXE PROBE_EXE MACHINE
# MACHINE (x86 or x64) is what the program must run as.
set -u
exe=$1
probe_exe=$2
machine=$3
# shellcheck source=harness.sh
. "$(dirname "$0")/harness.sh"

if ! xdpyinfo >/dev/null 2>&1; then
  echo "cannot open the display ${DISPLAY:-(none)}"
  exit 1
fi

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# Points at X Y and waits until the picker shows that position.
point_seen() {
  point "$1" "$2"
  [ "$(eventually "X: $1, Y: $2" field position)" = "X: $1, Y: $2" ] || give_up "the picker never showed $1, $2"
}

# After a menu command: the menu has closed, and the command, which the menu
# posts as it closes, comes before any further tick.
menu_closed() { [ "$(eventually 0 probe menu-open)" = 0 ] || give_up "the menu did not close"; }

# Presses keys that must do nothing, then types a mark at the end of the
# value box, and waits until the box shows it. The picker takes its keys, and
# the hot key messages that they make, in the order they were pressed: once
# the mark shows, whatever the keys did has been done.
keys_handled() {
  local marked
  marked="$(field edit)!"
  click_control "$(id IDC_VALUE_EDIT)"; key End "$@"; xdotool type '!'
  [ "$(eventually "$marked" field edit)" = "$marked" ] || give_up "the picker never took the keys $*"
}

# Menu bar item $1, then item $2 of its $3 items, by mouse.
menu_by_mouse() {
  local x y
  read -r x y < <(probe menu "$1"); click_at "$x" "$y"
  read -r x y < <(probe popup "$2" "$3"); click_at "$x" "$y"
  menu_closed
}

# F10 and then the given keys, with the focus in the edit box: Wine's
# drop-down list keeps F10 to itself while it has the focus.
menu_keys() { click_control "$(id IDC_VALUE_EDIT)"; key F10 "$@"; menu_closed; }
window_open() { xdotool search --name "^$1\$" >/dev/null 2>&1 && echo open || echo closed; }

# A scene of four known colours along the top of the screen, 100 pixels each.
show_scene 0 0 400 100 FF0000 00FF00 0000FF FFFFFF

start_picker
check "the program runs as the $machine build" "$machine" "$(probe machine)"

echo "== the pointer over known colours"
point 50 50
expect "position over red" "X: 50, Y: 50" field position
expect "colour over red" "255, 0, 0" field live
check "on this display no notice says that the screen cannot be read" "" "$(probe_once notice)"
point 250 70
expect "position over blue" "X: 250, Y: 70" field position
expect "colour over blue" "0, 0, 255" field live

echo "== what a screen reader reads before a capture"
reads() { probe accessible "$(id "$1")"; }
check "the format list" "Readout format|combo box|" "$(reads IDC_FORMAT)"
check "the hot key control" "Capture hot key|hot key field|" "$(reads IDC_HOTKEY)"
check "'<'" "Use this hot key|push button|" "$(reads IDC_SET_HOTKEY)"
check "the preview" "Colour under the pointer|graphic|" "$(reads IDC_PREVIEW)"
check "the zoom view" "Zoomed view around the pointer|graphic|" "$(reads IDC_ZOOM)"
check "the colour readout" "Colour|static text|0, 0, 255" "$(reads IDC_LIVE_VALUE)"
check "the position readout" "Pointer position|static text|X: 250, Y: 70" "$(reads IDC_POSITION)"
check "an empty swatch" "Colour 1: empty|graphic|" "$(reads IDC_SWATCH1)"
check "an empty slot's button" "Colour 5: empty|push button|" "$(reads IDC_SLOT5)"
check "the system's other interfaces" "IOleWindow IEnumVARIANT IServiceProvider " "$(probe interfaces "$(id IDC_SWATCH1)")"

echo "== Alt+C captures"
check "no button before a capture" "000000" "$(field enabled)"
changes=$(mktemp)
"$WINELOADER" "$probe_exe" name-changes >"$changes" 2>/dev/null &
watcher=$!
eventually 1 grep -c watching "$changes" >/dev/null
point_seen 50 50
# Ticks with the pointer still: none of them renames anything.
ticks_pass
client_changes() { grep -c client "$changes"; }
check "no name changes while the pointer is still" "0" "$(client_changes)"
key alt+c
expect "first capture enables button 1" "100000" field enabled
expect "a capture renames the five swatches and five buttons once" "10" client_changes
kill "$watcher"; rm -f "$changes"
point_seen 150 50; key alt+c
expect "second capture enables button 2" "110000" field enabled
expect "swatch 1 shows the newest colour" "00FF00" pixel_of_control "$(id IDC_SWATCH1)"
expect "swatch 2 shows the one before" "FF0000" pixel_of_control "$(id IDC_SWATCH2)"
check "swatch 1 is named with the newest colour" "Colour 1: 0, 255, 0|graphic|" "$(reads IDC_SWATCH1)"
check "button 2 with the one before" "Colour 2: 255, 0, 0|push button|" "$(reads IDC_SLOT2)"

echo "== a numbered button and Copy"
click_control "$(id IDC_SLOT2)"
expect "button 2 writes its colour" "255, 0, 0" field edit
# ROLE_SYSTEM_TEXT: "text" in Wine's words, "editable text" in Windows'.
check "the edit box" "Value to copy|text|255, 0, 0" "$(reads IDC_VALUE_EDIT)"
expect "Copy is enabled" "110001" field enabled
click_control "$(id IDC_COPY)"
expect "Copy puts the text on the clipboard" "255, 0, 0" clipboard
check "Copy is renamed with what it copied" "Copy, copied 255, 0, 0|push button|" "$(reads IDC_COPY)"
click_control "$(id IDC_VALUE_EDIT)"; key End; xdotool type --delay 50 " ok"
expect "what the user types goes into the box" "255, 0, 0 ok" field edit
expect "Copy is called Copy once the focus has left it" "Copy|push button|" reads IDC_COPY
click_control "$(id IDC_COPY)"
expect "typed text goes along" "255, 0, 0 ok" clipboard

echo "== the format list"
click_control "$(id IDC_FORMAT)"; key Home Return
point 150 50
expect "HEX after choosing it" "00, FF, 00" field live
click_control "$(id IDC_SLOT2)"
expect "a button writes the new format" "FF, 00, 00" field edit
click_control "$(id IDC_FORMAT)"; key End Return
point 150 50
expect "RGB after choosing it again" "0, 255, 0" field live

echo "== menus by mouse"
menu_by_mouse 2 1 2   # Timer > Stop
stopped_at=$(field position)
point 60 60; ticks_pass
check "Stop by mouse freezes the position" "$stopped_at" "$(field position)"
menu_by_mouse 2 0 2   # Timer > Start
point 60 60
expect "Start by mouse samples again" "X: 60, Y: 60" field position
menu_by_mouse 0 1 3   # Options > Stay on Top
expect "Stay on Top by mouse" "1" field topmost

echo "== menus by keyboard (F10 and the arrows)"
menu_keys Down Down Return   # Options > Stay on Top
expect "Stay on Top off by keyboard" "0" field topmost
menu_keys Right Right Down Down Return   # Timer > Stop
stopped_at=$(field position)
point 70 70; ticks_pass
check "Stop by keyboard freezes the position" "$stopped_at" "$(field position)"
menu_keys Right Right Down Return   # Timer > Start
point 70 70
expect "Start by keyboard samples again" "X: 70, Y: 70" field position
menu_keys Right Down Down Return   # Help > Help
expect "Help opens by keyboard" "open" window_open 'Help Dialog'
key Escape
expect "Esc closes Help" "closed" window_open 'Help Dialog'

echo "== zoom and scale"
# The pointer on the red and green border: the zoom view is red up to the
# pointer's pixel, which starts at another column at each scale; read where
# the scale checked and 4X, the one it replaces, differ.
zoom_blank() {
  local colour
  colour=$(zoom_pixel 35)
  if [ "$colour" != 00FF00 ] && [ "$colour" != FF0000 ]; then echo blank; else echo "$colour"; fi
}
command_named ID_SCALE_2X
point 100 50
expect "2X: red in column 38 of the view" "FF0000" zoom_pixel 38
command_named ID_SCALE_8X
point 100 50
expect "8X: green in column 35 of the view" "00FF00" zoom_pixel 35
command_named ID_OPTIONS_ZOOM   # off
point 100 50
expect "zoom off blanks the view" "blank" zoom_blank
command_named ID_OPTIONS_ZOOM   # on again
point 100 50
expect "zoom on draws it again" "00FF00" zoom_pixel 35

echo "== About, closed with Esc"
menu_by_mouse 1 0 2   # Help > About
expect "About opens by mouse" "open" window_open 'About Huevane'
key Escape
expect "Esc closes About" "closed" window_open 'About Huevane'
check "the picker is still open" "1" "$(probe windows)"

echo "== a new hot key"
# The hot keys as the system holds them: Alt+C is MOD_ALT (1) with 'C' (67),
# Shift+F5 MOD_SHIFT (4) with VK_F5 (116).
click_control "$(id IDC_HOTKEY)"; key shift+F5
click_control "$(id IDC_SET_HOTKEY)"
expect "'<' gives up Alt+C" "1" probe hotkey-free 1 67
expect "'<' takes Shift+F5" "0" probe hotkey-free 4 116
keys_handled alt+c
check "Alt+C no longer captures" "110001" "$(field enabled)"
key shift+F5
expect "Shift+F5 captures" "111001" field enabled

echo "== Hot Keys off and on"
command_named ID_OPTIONS_HOTKEYS
expect "Hot Keys off gives up Shift+F5" "1" probe hotkey-free 4 116
keys_handled shift+F5
check "no capture while Hot Keys are off" "111001" "$(field enabled)"
command_named ID_OPTIONS_HOTKEYS
expect "Hot Keys on takes Shift+F5 again" "0" probe hotkey-free 4 116
key shift+F5
expect "Hot Keys on captures again" "111101" field enabled

echo "== a second copy while the first holds Alt+C"
click_control "$(id IDC_HOTKEY)"; key alt+c
click_control "$(id IDC_SET_HOTKEY)"
expect "'<' takes Alt+C again" "0" probe hotkey-free 1 67
start_picker
check "two windows" "2" "$(probe windows)"
expect "the second copy says that Alt+C is taken" "Alt+C is in use by another program, so Hot Keys is off. \
To use another combination, switch Hot Keys on under Options, choose it in the hot key box and press <." probe notice
key alt+c
enabled_all() { probe enabled-all | sort -r | tr '\n' ' ' | sed 's/ $//'; }
expect "the first copy keeps the hot key, the second's control is off" "111111 000000" enabled_all
close_all

report
