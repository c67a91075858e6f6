#!/usr/bin/env bash
# Runs a program of the Windows cross build under Wine, in the build tree's own prefix and on a
# private Xvfb display; the CMAKE_CROSSCOMPILING_EMULATOR of the win64 build.
#
#   wine-run.sh [--prefix DIR] PROGRAM [ARGS...]    run PROGRAM, exit with its exit code
#   wine-run.sh [--prefix DIR] --setup [EXE...]     make the prefix; EXE names get unmanaged
#                                                   windows (no 2 s stall without a window manager)
#
# Without --prefix the prefix is $ZRK_WINEPREFIX, else <build dir>/wineprefix for the build tree
# that holds PROGRAM. Runs in one prefix are serialised by a lock, so each run may end every
# Wine process of the prefix when it is done.
set -euo pipefail

prefix="${ZRK_WINEPREFIX:-}"
setup=false
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --setup) setup=true; shift ;;
    *) break ;;
    esac
done

if [ -z "$prefix" ]; then
    [ $# -gt 0 ] || { echo "usage: $0 [--prefix DIR] PROGRAM [ARGS...]" >&2; exit 2; }
    dir=$(cd "$(dirname "$1")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || { echo "$0: $1 is not in a build tree; use --prefix" >&2; exit 2; }
    prefix="$dir/wineprefix"
fi

# This Wine is 64-bit only; Debian keeps its loader out of PATH.
if command -v wine64 >/dev/null; then
    wine=wine64
elif [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
else
    wine=wine
fi
wineserver=wineserver
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko install prompts, no menu entries in the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

xvfb_pid=
cleanup() {
    # Nothing else runs in this prefix (the lock), so whatever is left is ours: a program that
    # a failed test left open must not outlive the run, nor keep the display's server alive.
    "$wineserver" -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "$prefix.display"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# Runs a command in the background and waits for it, so that a TERM (a ctest timeout) interrupts
# the wait and the cleanup ends the command, instead of bash deferring the trap until it ends.
in_background() {
    "$@" &
    wait $!
}

# A display of our own, whatever DISPLAY says: Xvfb picks a free number and reports it once
# it accepts connections.
Xvfb -displayfd 8 -nolisten tcp -screen 0 1024x768x24 8>"$prefix.display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$prefix.display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "$0: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$prefix.display" ] || { echo "$0: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$prefix.display")"
unset XAUTHORITY

if $setup; then
    # The mark is written last, so a set-up cut short is done again from the start.
    if [ ! -f "$prefix/zrk-prefix-made" ]; then
        echo "Making the Wine prefix $prefix (the first time takes a while)"
        in_background "$wine" wineboot.exe -i
    fi
    for exe in "$@"; do
        in_background "$wine" reg.exe add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" \
            /v Managed /d N /f >/dev/null
    done
    # Let the server write the registry out before the next run reads it.
    in_background "$wineserver" -w
    touch "$prefix/zrk-prefix-made"
    exit 0
fi

status=0
in_background "$wine" "$@" || status=$?
exit "$status"
