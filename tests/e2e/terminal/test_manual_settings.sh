#!/usr/bin/env bash
# The manual settings panel of an unidentified version, by keyboard: Escape leaves it open, Tab
# reaches the checked FX buttons, an arrow moves the check to MDL, Space clears the commands, Enter
# confirms; then the mouse picks Quit.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
keys Enter
choose_by_path "$AIRCRAFT/iFDG MD-11F CARGO GE unknown version/aircraft.cfg"
wait_for "UNKNOW iFDG MODEL - Tunings manual settings"
expect_screen "Please manually select the desired tunings configuration." "FX" "MDL" \
    "(*)    ( ) Wing NAV lights type" "(*)    ( ) Wing STROBE lights type" \
    "[x] Add Wings fold/unfold and Tail hook up/down commands" "REMARK:" \
    "panel implementation will work 100% properly." ">[ OK ]"
screen_text | grep -F "UNKNOW iFDG MODEL" | grep -qF "[X]" && fail "a close box on the panel"

keys Escape F10
sleep 0.3
expect_screen "UNKNOW iFDG MODEL - Tunings manual settings" ">[ OK ]"
keys Tab
wait_for ">(*)    ( ) Wing NAV lights type"
keys Down
wait_for "( )   >(*) Wing NAV lights type"
keys Tab Tab Space
wait_for ">[ ] Add Wings fold/unfold and Tail hook up/down commands"
keys Enter
wait_gone "UNKNOW iFDG MODEL"
wait_for "Unknow version (manual settings: FX=strobe MDL=nav)"
expect_screen 'Aircraft type: MD-11F "CARGO"' "Motorization: General Electric CF6-80C2D1F" \
    "(*) for version CARGO"

click_text "[ Quit ]"
expect_restored 1
echo "PASS manual settings"
