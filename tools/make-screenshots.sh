#!/usr/bin/env bash
# make screenshots: the pictures in docs/images/, from the real programs on a fresh demo folder
# under Xvfb. Install.exe runs under Wine, posed by tools/screenshot_driver.cpp, and is grabbed
# twice: the COMBI aircraft identified, then installed. zrk-md11-installer runs in xterm, typed
# into through tmux (which xterm shows without a status line), and is grabbed at the first moment.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build/screenshots
images=$root/docs/images
aircraftName="iFDG MD-11 COMBI PW v1.5"

cmake --preset native >/dev/null
cmake --build --preset native --target zrk-md11-installer
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Install screenshot_driver
# The Wine prefix the Windows tests run in, made as they make it when it is not there yet.
ctest --preset win64 -R '^wine_prefix$' >/dev/null
# This Wine does not find its own fonts (fonts-wine) by itself; without Marlett the caption's close
# box shows an "r".
cp -u /usr/share/wine/fonts/marlett.ttf "$root/build/win64/wineprefix/drive_c/windows/Fonts/"

rm -rf "$work"
mkdir -p "$work/handshake" "$work/tmp" "$images"
start=$(tools/make-demo.sh "$work/demo")
aircraft="$(dirname "$start")/$aircraftName/aircraft.cfg"
# Wine's drive Z: is the Unix root.
windowsPath() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }
# A grab as a small, stable PNG: no dates or profiles inside.
grab() { # file, import's options...
    local file=$1 && shift
    import "$@" -strip -define png:exclude-chunks=date,time "$file"
    echo "$file: $(identify -format '%wx%h' "$file"), $(stat -c %s "$file") bytes"
}

# Install.exe: the driver holds each moment until <picture>.done; the display is the one that
# wine-run.sh started for this run.
prefix=$root/build/win64/wineprefix
cmake/wine-run.sh --prefix "$prefix" build/win64/tests/e2e/screenshot_driver.exe \
    "$(windowsPath "$start")" "$(windowsPath "$aircraft")" "$(windowsPath "$work/handshake")" &
driver=$!
for picture in install-exe install-exe-done; do
    rect=$work/handshake/$picture.rect
    for _ in $(seq 600); do
        [ -f "$rect" ] || ! kill -0 "$driver" 2>/dev/null && break
        sleep 0.1
    done
    if [ ! -f "$rect" ]; then
        kill "$driver" 2>/dev/null || true
        wait "$driver" || true
        echo "$0: Install.exe never showed $picture" >&2
        exit 1
    fi
    read -r width height x y <"$rect"
    DISPLAY=":$(head -n1 "$prefix.display")" \
        grab "$images/$picture.png" -window root -crop "${width}x${height}+${x}+${y}" +repage
    touch "$work/handshake/$picture.done"
done
wait "$driver"

# zrk-md11-installer in xterm, on a display of its own, and a demo folder as new: the aircraft is
# installed now.
start=$(tools/make-demo.sh "$work/demo")
xvfb=
xterm=
export SOCKET="zrk-screenshots-$$" WORK=$work # what the tmux helpers drive
source tests/e2e/terminal/tmux_helpers.sh
cleanup() {
    tm kill-server 2>/dev/null || true
    [ -z "$xterm" ] || kill "$xterm" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
Xvfb -displayfd 8 -nolisten tcp -screen 0 1024x768x24 8>"$work/display" 2>/dev/null &
xvfb=$!
poll "Xvfb gave no display" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")" LC_ALL=C.UTF-8
unset XAUTHORITY
printf 'set -g default-terminal screen\nset -g status off\n' >"$work/tmux.conf"
tm new-session -d -s e2e -x 80 -y 24 \
    "cd '$start' && TMPDIR='$work/tmp' '$root/build/native/zrk-md11-installer'"
# +fbx: xterm draws the frame lines itself, unbroken between the rows.
xterm -geometry 80x24+0+0 +fbx -fa "DejaVu Sans Mono" -fs 11 -bg black -fg grey85 \
    -T zrk-md11-installer -e tmux -u -L "$SOCKET" -f "$work/tmux.conf" attach -t e2e &
xterm=$!
wait_for "ZRK MD11 Panel installer - version 1.16"
keys Enter && type_path "$aircraft"
wait_for "Version 1.5 identified."
poll "xterm did not show the installer" xwininfo -name zrk-md11-installer >/dev/null
sleep 0.5 # xterm paints what tmux sent
window=$(xwininfo -name zrk-md11-installer | awk '/Window id:/ { print $4 }')
grab "$images/terminal.png" -window "$window"
keys F10
