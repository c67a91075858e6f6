#!/usr/bin/env bash
# The manual settings panel of an unidentified version by keyboard; what the installer refuses
# (a missing path and file in the file-open panel, an aircraft the scanner refuses) and a
# cancelled choice; a second copy while one runs; the close box.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
keys Enter
type_path "$AIRCRAFT/iFDG MD-11F CARGO GE unknown version/aircraft.cfg"
wait_for "UNKNOW iFDG MODEL - Tunings manual settings"
expect_screen "Please manually select the desired tunings configuration." "REMARK:" \
    "(*)    ( ) Wing NAV lights type" "(*)    ( ) Wing STROBE lights type" \
    "[x] Add Wings fold/unfold and Tail hook up/down commands" ">[ OK ]" \
    "panel implementation will work 100% properly."
! screen_text | grep -F "UNKNOW iFDG MODEL" | grep -qF "[X]" || fail "a close box on the panel"
keys Escape F10 && sleep 0.3 # neither leaves it
keys Tab && wait_for ">(*)    ( ) Wing NAV lights type"
keys Down && wait_for "( )   >(*) Wing NAV lights type"
keys Tab Tab Space && wait_for ">[ ] Add Wings fold/unfold and Tail hook up/down commands"
keys Enter && wait_for "Unknow version (manual settings: FX=strobe MDL=nav)"
expect_screen 'Aircraft type: MD-11F "CARGO"' "(*) for version CARGO"

click_text "Choose MD-11 aircraft"
type_path "$AIRCRAFT/no such aircraft/aircraft.cfg"
wait_for "Path does not exist." && keys Enter
type_path "nothing.cfg"
wait_for "File not found." && keys Enter
type_path "$AIRCRAFT/Mixed MD-11 (refused)/aircraft.cfg"
wait_for "ERROR from ZRK MD11 Panel installer"
expect_screen "Illegal aircraft configuration !!!" "/!\\" ">[ OK ]"
keys Enter && wait_gone "Illegal aircraft configuration"
expect_screen "Mixed MD-11 (refused)"
keys Enter && wait_for "File name: aircraft.cfg"
keys Escape && wait_gone "File name: "
expect_not_screen "Mixed MD-11 (refused)"

tm new-window -t e2e:1 "$PLAIN_SHELL"
wait_for '$' e2e:1
tm send-keys -t e2e:1 "cd '$START' && '$PROGRAM'; echo EXIT=\$?" Enter
wait_for "This application is already running !!!" e2e:1
on_screen "ERROR from ZRK MD11 Panel installer" e2e:1 || fail "no caption"
tm send-keys -t e2e:1 Enter
wait_for "EXIT=0" e2e:1
[ "$(tm display -p -t e2e:1 '#{alternate_on}')" = 0 ] || fail "second copy left the screen"
tm kill-window -t e2e:1
tm select-window -t e2e:0
expect_screen ">[ Choose MD-11 aircraft ]"
keys F10
expect_restored 1
echo "PASS settings and refusals"
