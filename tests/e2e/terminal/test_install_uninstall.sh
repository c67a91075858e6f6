#!/usr/bin/env bash
# A whole round on one aircraft, by keyboard and mouse: choose it by typing its path, read the
# identification, pick a cabin layout and the engine sounds, install, choose it again, uninstall
# (the folder is as it was), "Choose same", and the close box.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

aircraft="$AIRCRAFT/iFDG MD-11 COMBI PW v1.5"
# Names in lower case with their contents: letter case of names may change, nothing else.
snapshot() {
    (cd "$aircraft" && find . -type f | LC_ALL=C sort -f | while read -r file; do
        printf '%s %s\n' "$(tr 'A-Z' 'a-z' <<<"$file")" "$(md5sum <"$file" | cut -c1-32)"
    done)
}
before=$(snapshot)

run_installer
keys Enter
choose_by_path "$aircraft/aircraft.cfg"
wait_for "iFDG MD-11 model identified."
expect_screen "iFDG MD-11 COMBI PW v1.5" "Version 1.5 identified." 'Aircraft type: MD-11C "COMBI"' \
    "Motorization: Pratt & Whitney PW4462" "(*) for version COMBI 2 classes"
expect_not_screen "&&"

# Tab reaches the checked radio button; the arrow carries the check to the next one.
keys Tab Tab Tab Tab Tab
wait_for ">(*) for version COMBI 2 classes"
keys Down
wait_for ">(*) for version COMBI 1 class (economy)"
expect_screen "( ) for version COMBI 2 classes"
keys Tab Space
wait_for ">[x] ZRK engine sounds"
keys BTab BTab BTab BTab
wait_for ">[ Install ]"
keys Enter
wait_for "Panel installed successfully."

grep -q $'^sim=MD-11_zrk\r$' "$aircraft/aircraft.cfg" || fail "sim= not rewritten"
[ -f "$aircraft/aircraft.cfg_ORIGINAL" ] || fail "aircraft.cfg not kept"
find "$aircraft" -ipath '*/panel/panel.cfg_original' | grep -q . || fail "Panel.cfg not kept"
find "$aircraft" -ipath '*/sound/sound.cfg_original' | grep -q . || fail "sound.cfg not kept"
grep -q "CBI-1C" "$aircraft/Trimdesk.ini" || fail "not the COMBI 1 class Trimdesk settings"
[ -f "$aircraft/MD-11_zrk.air" ] || fail "no tuned flight dynamics"

click_text "Choose MD-11 aircraft"
wait_for "Please, search your FS2004 MD-11 aircraft"
expect_screen "Look in: " "PW v1.5" "File name: aircraft.cfg"
keys Enter
wait_for "ZRK MD-11 panel already installed."
keys Tab Tab
wait_for ">[ Uninstall ]"
keys Enter
wait_for "Panel uninstalled successfully."
expect_screen "[ Choose same ]"
[ "$(snapshot)" = "$before" ] || fail "the folder is not as it was: $(diff <(echo "$before") <(snapshot))"

click_text "[ Choose same ]"
wait_for "Version 1.5 identified."
wait_gone "Choose same"
click_text "[X]"
expect_restored 1
echo "PASS install and uninstall"
