#!/usr/bin/env bash
# make run: builds the installer, lays out a fresh demo folder under build/demo/ and starts the
# installer in it, from its own folder, as a user who unpacked it beside the Aircraft folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake --preset native >/dev/null
cmake --build --preset native --target zrk-md11-installer
start=$(tools/make-demo.sh "$root/build/demo")
echo "Demo aircraft are in: $(dirname "$start")"
cd "$start"
status=0
"$root/build/native/zrk-md11-installer" || status=$?
# The installer ends with 1 after Quit or the close box and with 0 when another copy runs.
[ "$status" -le 1 ] || exit "$status"
