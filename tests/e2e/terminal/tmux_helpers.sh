# Shared by the terminal end-to-end tests (source it, then `start_session PROGRAM WORKDIR`): a
# private tmux server with a plain shell, a fresh demo folder, bounded waits, keys and clicks.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
W=e2e:0 # the window that keys go to and looks read

start_session() {
    PROGRAM=$1 WORK=$2
    rm -rf "$WORK" && mkdir -p "$WORK/tmp"
    START=$("$ROOT/tools/make-demo.sh" "$WORK/demo")
    AIRCRAFT=$(dirname "$START")
    SOCKET="zrk-e2e-$(basename "$WORK")-$$"
    printf 'set -g default-terminal screen\nset -g status off\n' >"$WORK/tmux.conf"
    trap 'tm kill-server 2>/dev/null || true' EXIT
    # The guard's lock file goes to the test's own TMPDIR, so runs never meet each other.
    SHELL_LINE="env -u XDG_RUNTIME_DIR TMPDIR='$WORK/tmp' PS1='$ ' bash --norc --noprofile"
    tm new-session -d -s e2e -x 100 -y 30 "$SHELL_LINE"
    wait_for '$'
}

tm() { tmux -L "$SOCKET" -f "$WORK/tmux.conf" "$@"; }
screen_text() { tm capture-pane -p -t "$W"; }
on_screen() { screen_text | grep -qF -- "$1"; }
fail() { echo "FAIL: $*" >&2 && screen_text >&2; exit 1; }
not() { ! "$@"; }
poll() { # message command...: until the command succeeds, for 10 s at most
    local tries=100 message=$1 && shift
    until "$@"; do ((tries-- > 0)) || fail "$message"; sleep 0.1; done
}
wait_for() { for text in "$@"; do poll "never saw: $text" on_screen "$text"; done; }
wait_gone() { poll "still there: $1" not on_screen "$1"; }
keys() { tm send-keys -t "$W" "$@"; }

# A first-button press and release mid-text (normal mouse mode); line-drawing takes one cell.
click_text() { # text
    local where row col x y
    where=$(screen_text | LC_ALL=C sed 's/[\xC0-\xFF][\x80-\xBF]*/#/g' |
        LC_ALL=C awk -v text="$1" '{ i = index($0, text); if (i) { print NR - 1, i - 1; exit } }')
    [ -n "$where" ] || fail "nothing to click: $1"
    read -r row col <<<"$where"
    x=$(printf '%02x' $((33 + col + ${#1} / 2))) && y=$(printf '%02x' $((33 + row)))
    keys -H 1b 5b 4d 20 "$x" "$y" && keys -H 1b 5b 4d 23 "$x" "$y"
}

# Starts the installer, its start directory named with -C, and waits for the text (or the title).
run_installer() { # [text]
    keys "clear; cd / && '$PROGRAM' -C '$START'; echo EXIT=\$?" Enter
    wait_for "${1:-ZRK MD11 Panel installer - version 1.16}"
}

type_path() { wait_for "File name: " && keys C-u && keys -l -- "$1" && keys Enter; }

# After the program ended with the code: the shell is back with a terminal as it was.
expect_restored() { # exit code
    wait_for "EXIT=$1"
    local flags='#{alternate_on}#{mouse_any_flag}#{cursor_flag}#{keypad_cursor_flag}'
    [ "$(tm display -p -t "$W" "$flags")" = 0010 ] || fail "terminal flags not restored"
    # The marker is put together by printf, so the typed command line never matches it.
    keys "clear; printf 'MO%sES=%s.\\n' D \"\$(stty -a | tr ' ;' '\\n\\n' | grep -xE -- '-?(icanon|echo|isig)' | tr '\\n' ' ')\"" Enter
    wait_for "MODES=isig icanon echo ."
}
