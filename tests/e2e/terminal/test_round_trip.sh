#!/usr/bin/env bash
# The main round: first screen; an iFDG aircraft installed by keyboard, chosen again, uninstalled
# and taken up by "Choose same"; a Corvane one by mouse; Quit leaving the terminal as it was.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
expect_screen ">[ Choose MD-11 aircraft ]" "[ Quit ]" "[ Install ]" "[ Uninstall ]" "[X]" \
    "[x] Realistic brakes" "[ ] ZRK engine sounds" "[x] Install ZRK Trimdesk:" \
    "(*) for version PAX, 3 classes" "( ) for version PAX, 2 classes" \
    "( ) for version PAX, 1 class (economy)" "( ) for version COMBI 2 classes" \
    "( ) for version COMBI 1 class (economy)" "( ) for version CARGO"
expect_not_screen "Choose same"
# Disabled controls are dimmed (SGR 2), the enabled ones are not.
tm capture-pane -p -e -t e2e:0 | grep -qF $'\e[2m[ Install' || fail "Install is not dimmed"
! tm capture-pane -p -e -t e2e:0 | grep -qF $'\e[2m[ Quit' || fail "Quit is dimmed"
keys Escape && sleep 0.3 && expect_screen ">[ Choose MD-11 aircraft ]"

aircraft="$AIRCRAFT/iFDG MD-11 COMBI PW v1.5"
keys Enter && type_path "$aircraft/aircraft.cfg"
expect_screen "Version 1.5 identified." "iFDG MD-11 COMBI PW v1.5" \
    'Aircraft type: MD-11C "COMBI"' "Motorization: Pratt & Whitney PW4462" \
    "(*) for version COMBI 2 classes"
expect_not_screen "&&"
# Tab reaches the checked radio button; the arrow carries the check to the next one.
keys Tab Tab Tab Tab Tab && wait_for ">(*) for version COMBI 2 classes"
keys Down && wait_for ">(*) for version COMBI 1 class (economy)"
keys Tab Space && wait_for ">[x] ZRK engine sounds"
keys BTab BTab BTab BTab && wait_for ">[ Install ]"
keys Enter && wait_for "Panel installed successfully."
grep -q "CBI-1C" "$aircraft/Trimdesk.ini" || fail "not the COMBI 1 class Trimdesk settings"
find "$aircraft" -ipath '*/sound/sound.cfg_original' | grep -q . || fail "sound.cfg not kept"

click_text "Choose MD-11 aircraft"
wait_for "PW v1.5" # the panel looks in the chosen file's folder, proposing aircraft.cfg
keys Enter && wait_for "ZRK MD-11 panel already installed."
keys Tab Tab && wait_for ">[ Uninstall ]"
keys Enter && wait_for "Panel uninstalled successfully."
! find "$aircraft" -iname '*_ORIGINAL' | grep -q . || fail "the kept copies are left"
click_text "[ Choose same ]"
wait_for "Version 1.5 identified." && wait_gone "Choose same"

folder="$AIRCRAFT/Corvane MD-11"
click_text "Choose MD-11 aircraft" && type_path "$folder/aircraft.cfg"
wait_for "Corvane MD-11 model identified."
click_text "[ Install ]" && wait_for "Panel installed successfully."
grep -qi '^sim=MD-11_zrk' "$folder/aircraft.cfg" || fail "Corvane aircraft not installed"
click_text "[ Quit ]" && expect_restored 1
echo "PASS round trip"
