#!/usr/bin/env bash
# Manual settings by keyboard; refusals (a missing path, an aircraft the scanner refuses, a second
# copy); a cancelled choice; the close box.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
keys Enter && type_path "$AIRCRAFT/iFDG MD-11F CARGO GE unknown version/aircraft.cfg"
wait_for "UNKNOW iFDG MODEL - Tunings manual settings" "Please manually select the desired"
keys Tab Down && wait_for "( )   >(*) Wing NAV lights type"
keys Enter && wait_for "Unknow version (manual settings: FX=strobe MDL=nav" "(*) for version CARGO"

click_text "Choose MD-11 aircraft" && type_path "$AIRCRAFT/no such aircraft/aircraft.cfg"
wait_for "Path does not exist." && keys Enter
type_path "$AIRCRAFT/Mixed MD-11 (refused)/aircraft.cfg"
wait_for "ERROR from ZRK MD11 Panel installer" "Illegal aircraft configuration !!!" "/!\\" ">[ OK ]"
keys Enter && wait_gone "Illegal aircraft configuration" && wait_for "Mixed MD-11 (refused)"
keys Enter && wait_for "File name: aircraft.cfg"
keys Escape && wait_gone "File name: " && wait_gone "Mixed MD-11 (refused)"

W=e2e:1 && tm new-window -t "$W" "$SHELL_LINE"
run_installer "This application is already running !!!"
keys Enter && expect_restored 0
W=e2e:0 && keys F10 && expect_restored 1
echo "PASS settings and refusals"
