#!/usr/bin/env bash
# The installer's first screen with every control text, a terminal too small and then large
# enough again, Escape ignored, and Quit leaving the terminal as it was.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
expect_screen ">[ Choose MD-11 aircraft ]" "[ Quit ]" "[ Install ]" "[ Uninstall ]" \
    "[x] Realistic brakes" "[ ] ZRK engine sounds" "[x] Install ZRK Trimdesk:" \
    "(*) for version PAX, 3 classes" "( ) for version PAX, 2 classes" \
    "( ) for version PAX, 1 class (economy)" "( ) for version COMBI 2 classes" \
    "( ) for version COMBI 1 class (economy)" "( ) for version CARGO" "[X]"
expect_not_screen "Choose same"
# Disabled controls are dimmed (SGR 2), the enabled ones are not.
dimmed=$(tm capture-pane -p -e -t e2e:0 | grep -F "Install ]" | grep -c $'\e\\[2m\\[ Install' || true)
[ "$dimmed" = 1 ] || fail "Install is not dimmed"
tm capture-pane -p -e -t e2e:0 | grep -F "Quit" | grep -qF $'\e[2m[ Quit' && fail "Quit is dimmed"

tm resize-window -t e2e:0 -x 60 -y 20
wait_for "The terminal is too small for the installer"
expect_screen "it has 60 x 20."
expect_not_screen "[ Quit ]"
tm resize-window -t e2e:0 -x 100 -y 30
wait_for "[ Quit ]"

keys Escape
sleep 0.3
expect_screen ">[ Choose MD-11 aircraft ]"
keys Tab
wait_for ">[ Quit ]"
keys Enter
expect_restored 1
echo "PASS initial screen"
