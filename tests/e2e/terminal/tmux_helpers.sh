# Shared by the terminal end-to-end tests: a private tmux server with one fixed-size window
# running a plain shell, a fresh demo folder, bounded waits on the screen, keys and clicks.
# Usage in a test: source this file, then `start_session PROGRAM WORKDIR`.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
WAIT_SECONDS=${WAIT_SECONDS:-10}

start_session() {
    PROGRAM=$1
    WORK=$2
    rm -rf "$WORK"
    mkdir -p "$WORK/tmp"
    START=$("$ROOT/tools/make-demo.sh" "$WORK/demo")
    AIRCRAFT=$(dirname "$START")
    SOCKET="zrk-e2e-$(basename "$WORK")-$$"
    printf 'set -g default-terminal screen\nset -g status off\n' >"$WORK/tmux.conf"
    trap stop_session EXIT
    # The guard's lock file goes to the test's own TMPDIR, so runs never meet each other.
    tm new-session -d -s e2e -x 100 -y 30 \
        "env -u XDG_RUNTIME_DIR TMPDIR='$WORK/tmp' PS1='$ ' bash --norc --noprofile"
    wait_for '$'
}

stop_session() {
    tm kill-server 2>/dev/null || true
}

tm() {
    tmux -L "$SOCKET" -f "$WORK/tmux.conf" "$@"
}

screen_text() { # [target]
    tm capture-pane -p -t "${1:-e2e:0}"
}

fail() {
    echo "FAIL: $*" >&2
    echo "---- screen ----" >&2
    screen_text >&2 || true
    exit 1
}

# Waits until the text stands on the screen (fixed string); fails after WAIT_SECONDS.
wait_for() { # text [target]
    local tries=$((WAIT_SECONDS * 10))
    while ((tries-- > 0)); do
        screen_text "${2:-e2e:0}" | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    fail "never saw: $1"
}

wait_gone() { # text
    local tries=$((WAIT_SECONDS * 10))
    while ((tries-- > 0)); do
        screen_text | grep -qF -- "$1" || return 0
        sleep 0.1
    done
    fail "still there: $1"
}

expect_screen() { # text...: each must stand on the screen now
    local text
    for text in "$@"; do
        screen_text | grep -qF -- "$text" || fail "not on the screen: $text"
    done
}

expect_not_screen() { # text
    screen_text | grep -qF -- "$1" && fail "should not be on the screen: $1"
    return 0
}

keys() { # tmux key names
    tm send-keys -t e2e:0 "$@"
}

type_text() { # literal text
    tm send-keys -t e2e:0 -l -- "$1"
}

# A click of the first mouse button on a screen cell (row and column from 0), as a terminal
# in normal mouse mode reports it: a press, then a release.
click() { # row col
    local x y
    x=$(printf '%02x' $((32 + $2 + 1)))
    y=$(printf '%02x' $((32 + $1 + 1)))
    tm send-keys -t e2e:0 -H 1b 5b 4d 20 "$x" "$y"
    tm send-keys -t e2e:0 -H 1b 5b 4d 23 "$x" "$y"
}

# Row and column of the first place the text stands on the screen (each line-drawing
# character, several bytes in UTF-8, takes one cell).
locate() { # text
    screen_text | LC_ALL=C sed 's/[\xC0-\xFF][\x80-\xBF]*/#/g' |
        LC_ALL=C awk -v text="$1" '{ i = index($0, text); if (i) { print NR - 1, i - 1; exit } }'
}

click_text() { # text: a click in its middle
    local where row col
    where=$(locate "$1")
    [ -n "$where" ] || fail "nothing to click: $1"
    read -r row col <<<"$where"
    click "$row" $((col + ${#1} / 2))
}

# Starts the installer from the demo's start directory, as `make run` does.
run_installer() {
    keys "clear; cd '$START' && '$PROGRAM'; echo EXIT=\$?" Enter
    wait_for "ZRK MD11 Panel installer - version 1.16"
}

# After the program ended with the code: the shell is back with a terminal as it was.
expect_restored() { # exit code
    wait_for "EXIT=$1"
    [ "$(tm display -p -t e2e:0 '#{alternate_on}')" = 0 ] || fail "alternate screen still on"
    [ "$(tm display -p -t e2e:0 '#{mouse_any_flag}')" = 0 ] || fail "mouse reports still on"
    [ "$(tm display -p -t e2e:0 '#{cursor_flag}')" = 1 ] || fail "cursor still hidden"
    [ "$(tm display -p -t e2e:0 '#{keypad_cursor_flag}')" = 0 ] || fail "keypad mode still on"
    # The marker is put together by printf, so the typed command line never matches it.
    keys "clear; printf 'MO%sES=%s.\\n' D \"\$(stty -a | tr ' ;' '\\n\\n' | grep -xE -- '-?(icanon|echo|isig)' | tr '\\n' ' ')\"" Enter
    wait_for "MODES="
    local modes
    modes=$(screen_text | grep -o 'MODES=.*\.' | tail -1)
    [ "$modes" = "MODES=isig icanon echo ." ] || fail "terminal modes not restored: $modes"
}

# The chosen aircraft by its path typed into the file-open panel.
choose_by_path() { # path
    wait_for "Please, search your FS2004 MD-11 aircraft"
    expect_screen "File name: aircraft.cfg"
    keys C-u
    type_text "$1"
    keys Enter
}
