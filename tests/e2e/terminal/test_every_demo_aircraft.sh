#!/usr/bin/env bash
# Every demo aircraft that can take the panel takes it and gives it back, by mouse, with the
# identification each one should get; the installed one is uninstalled first.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

choose() { # folder
    click_text "Choose MD-11 aircraft"
    choose_by_path "$AIRCRAFT/$1/aircraft.cfg"
}

round_trip() { # folder, identification line
    choose "$1"
    if [[ "$1" == *unknown* ]]; then
        wait_for "UNKNOW iFDG MODEL - Tunings manual settings"
        keys Enter
    fi
    wait_for "$2"
    click_text "[ Install ]"
    wait_for "Panel installed successfully."
    choose "$1"
    wait_for "ZRK MD-11 panel already installed."
    click_text "[ Uninstall ]"
    wait_for "Panel uninstalled successfully."
    grep -qi '^sim=MD-11_zrk' "$AIRCRAFT/$1/aircraft.cfg" && fail "$1 still installed"
    find "$AIRCRAFT/$1" -iname '*_ORIGINAL' | grep -q . && fail "$1 keeps copies"
    return 0
}

run_installer
choose "iFDG MD-11 already installed"
wait_for "ZRK MD-11 panel already installed."
click_text "[ Uninstall ]"
wait_for "Panel uninstalled successfully."

round_trip "Corvane MD-11" "Corvane MD-11 model identified."
round_trip "Overland MD-11" "MD-11 PAX, with Pratt & Whitney PW4462 engines"
round_trip "iFDG MD-11 PAX GE v1.0" "Motorization: General Electric CF6-80C2D1F"
round_trip "iFDG MD-11 PAX PW v1.0" "Version 1.0 identified."
round_trip "iFDG MD-11 COMBI PW v1.5" 'Aircraft type: MD-11C "COMBI"'
round_trip "iFDG MD-11F CARGO GE unknown version" "Unknow version (manual settings: FX=nav+strobe +commands)"
round_trip "iFDG MD-11 already installed" "Version 1.5 identified."
click_text "[ Quit ]"
expect_restored 1
echo "PASS every demo aircraft"
