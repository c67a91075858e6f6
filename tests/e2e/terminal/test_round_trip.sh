#!/usr/bin/env bash
# The main round: an iFDG aircraft installed by keyboard, chosen again, uninstalled and taken up by
# "Choose same"; a Corvane and an Overland one by mouse; Quit leaving the terminal as it was.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
wait_for ">[ Choose MD-11 aircraft ]" "[X]" "[x] Realistic brakes" "(*) for version PAX, 3 classes"
wait_gone "Choose same"
tm capture-pane -p -e -t "$W" | grep -qF $'\e[2m[ Install' || fail "Install is not dimmed"
! tm capture-pane -p -e -t "$W" | grep -qF $'\e[2m[ Quit' || fail "Quit is dimmed (SGR 2)"

keys Enter && type_path "$AIRCRAFT/iFDG MD-11 COMBI PW v1.5/aircraft.cfg"
wait_for "Version 1.5 identified." "Motorization: Pratt & Whitney PW4462"
# Tab reaches the checked radio button; the arrow carries the check to the next one.
keys Tab Tab Tab Tab Tab Down && wait_for ">(*) for version COMBI 1 class (economy)"
keys Tab Space BTab BTab BTab BTab && wait_for "[x] ZRK engine sounds" ">[ Install ]"
keys Enter && wait_for "Panel installed successfully."

# The panel looks in the chosen file's folder, proposing aircraft.cfg.
click_text "Choose MD-11 aircraft" && wait_for "/iFDG MD-11 COMBI PW v1.5" "File name: aircraft.cfg"
keys Enter && wait_for "ZRK MD-11 panel already installed."
keys Tab Tab && wait_for ">[ Uninstall ]"
keys Enter && wait_for "Panel uninstalled successfully."
click_text "[ Choose same ]" && wait_for "Version 1.5 identified." && wait_gone "Choose same"

for family in Corvane Overland; do
    click_text "Choose MD-11 aircraft" && type_path "$AIRCRAFT/$family MD-11/aircraft.cfg"
    wait_for "$family MD-11 model identified."
    click_text "[ Install ]" && wait_for "Panel installed successfully."
done
click_text "[ Quit ]" && expect_restored 1
echo "PASS round trip"
