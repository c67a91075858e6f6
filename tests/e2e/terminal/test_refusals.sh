#!/usr/bin/env bash
# What the installer refuses, and how the terminal shows it: a file that does not exist (in the
# file-open panel), an aircraft the scanner refuses (a message box), a cancelled choice, and a
# second copy while one runs (its box, exit code 0, the first copy unharmed).
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

run_installer
keys Enter
choose_by_path "$AIRCRAFT/no such aircraft/aircraft.cfg"
wait_for "Path does not exist."
expect_screen "Please, search your FS2004 MD-11 aircraft" "[ OK ]"
keys Enter
wait_for "File name: "
keys C-u
type_text "nothing.cfg"
keys Enter
wait_for "File not found."
keys Enter
wait_for "File name: nothing.cfg"

keys C-u
type_text "$AIRCRAFT/Mixed MD-11 (refused)/aircraft.cfg"
keys Enter
wait_for "ERROR from ZRK MD11 Panel installer"
expect_screen "Illegal aircraft configuration !!!" "/!\\" ">[ OK ]"
keys Enter
wait_gone "Illegal aircraft configuration"
expect_screen "Mixed MD-11 (refused)" "[ Install ]"

keys Enter
wait_for "Please, search your FS2004 MD-11 aircraft"
keys Escape
wait_gone "Please, search your FS2004 MD-11 aircraft"
expect_not_screen "Mixed MD-11 (refused)"

# A second copy in another window of the same terminal server.
tm new-window -t e2e:1 "env -u XDG_RUNTIME_DIR TMPDIR='$WORK/tmp' PS1='$ ' bash --norc --noprofile"
wait_for '$' e2e:1
tm send-keys -t e2e:1 "cd '$START' && '$PROGRAM'; echo EXIT=\$?" Enter
wait_for "This application is already running !!!" e2e:1
screen_text e2e:1 | grep -qF "ERROR from ZRK MD11 Panel installer" || fail "no caption"
tm send-keys -t e2e:1 Enter
wait_for "EXIT=0" e2e:1
[ "$(tm display -p -t e2e:1 '#{alternate_on}')" = 0 ] || fail "second copy left the screen"
tm kill-window -t e2e:1

tm select-window -t e2e:0
expect_screen ">[ Choose MD-11 aircraft ]"
keys F10
expect_restored 1
echo "PASS refusals"
