#!/usr/bin/env bash
# Interrupt, termination and a crash each leave the terminal as it was.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

# Only this test's installer: the one child of the shell in its own pane.
program_pid() { pgrep -P "$(tm display -p -t "$W" '#{pane_pid}')"; }

# Ctrl-C reaches the shell too, which drops the rest of its command line: ask for the code.
run_installer && keys C-c
poll "the installer did not end" not program_pid >/dev/null
keys "echo EXIT=\$?" Enter
expect_restored 130
run_installer && kill -TERM "$(program_pid)" || fail "no installer to end"
expect_restored 143

# A crash: the shell reports the signal, or the sanitizer its SEGV after the terminal is back.
run_installer && kill -SEGV "$(program_pid)" || fail "no installer to crash"
wait_for "EXIT="
code=$(screen_text | grep -o 'EXIT=[0-9]*' | tail -1 | cut -d= -f2)
screen_text | grep -qE 'Segmentation fault|AddressSanitizer: SEGV' || fail "no crash report"
expect_restored "$code"
[ "$code" != 0 ] || fail "a crash ended with 0"
echo "PASS signals"
