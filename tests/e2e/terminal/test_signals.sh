#!/usr/bin/env bash
# Interrupt, termination and a crash each leave the terminal as it was.
set -euo pipefail
source "$(dirname "$0")/tmux_helpers.sh"
start_session "$1" "$2"

# Only this test's installer: the child of the shell in its own pane.
program_pid() {
    pgrep -P "$(tm display -p -t e2e:0 '#{pane_pid}')" -f -x "$PROGRAM" ||
        fail "the installer is not running"
}

wait_ended() {
    local tries=$((WAIT_SECONDS * 10))
    while pgrep -P "$(tm display -p -t e2e:0 '#{pane_pid}')" -f -x "$PROGRAM" >/dev/null; do
        ((tries-- > 0)) || fail "the installer did not end"
        sleep 0.1
    done
}

# Ctrl-C from the keyboard: the shell, which sees it too, drops the rest of the command line,
# so the exit code is asked for afterwards.
run_installer
keys C-c
wait_ended
keys "echo EXIT=\$?" Enter
expect_restored 130

run_installer
kill -TERM "$(program_pid)"
expect_restored 143

# A crash signal: the sanitizer's report (if any) comes after the terminal is back.
run_installer
kill -SEGV "$(program_pid)"
wait_for "EXIT="
code=$(screen_text | grep -o 'EXIT=[0-9]*' | tail -1 | cut -d= -f2)
[ "$code" != 0 ] || fail "a crash ended with 0"
# Without sanitizers the shell reports the signal; with them, the sanitizer does.
screen_text | grep -qE 'Segmentation fault|AddressSanitizer: SEGV' || fail "no crash report"
expect_restored "$code"
echo "PASS signals"
