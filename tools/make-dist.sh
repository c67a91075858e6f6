#!/usr/bin/env bash
# make dist: what a user downloads, in dist/ (or the folder given): the Windows zip (the i686
# Install.exe with its resource folders and Readme.txt), the Debian package of the native
# program, and SHA256SUMS over both. Ends with their sizes and what lintian says.
# Usage: tools/make-dist.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-dist}")
source tools/resource-standins.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Install
cmake --preset release >/dev/null
cmake --build --preset release

# The version as the build has it (from project() in CMakeLists.txt): 1.17.0.0, named 1.17.
version=$(sed -n 's/^#define ZRK_VERSION_TEXT "\(.*\)"$/\1/p' \
    build/release/generated/installer_version.h)
short=${version%.*.*}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out"
rm -f "$out"/zrk-md11-panel-installer-*-windows.zip "$out"/zrk-md11-installer_*.deb \
    "$out/SHA256SUMS"

# One folder, to be unpacked into the simulator's Aircraft folder: the installer looks for its
# resource folders beside itself and for the sound package beside its own folder.
folder="$stage/ZRK MD-11 panel installer"
mkdir -p "$folder"
cp build/win32/Install.exe "$folder/"
resource_standins "$folder"
sed 's/$/\r/' resources/dist/Readme.txt >"$folder/Readme.txt"
zip=zrk-md11-panel-installer-$short-windows.zip
(cd "$stage" && find "$(basename "$folder")" -type f | LC_ALL=C sort |
    zip -q -X -D "$out/$zip" -@)

cpack --preset release -B "$stage/deb" >/dev/null
deb=$(basename "$stage"/deb/*.deb)
cp "$stage/deb/$deb" "$out/"

(cd "$out" && sha256sum -- "$zip" "$deb" >SHA256SUMS)

echo "In $out:"
(cd "$out" && stat -c '%10s bytes  %n' -- "$zip" "$deb" SHA256SUMS)
# Findings go to standard output; lintian's warning to root, on standard error, is left out.
findings=$(lintian --fail-on error,warning "$out/$deb" 2> >(grep -v 'root privileges' >&2)) || {
    echo "lintian: $findings" >&2
    exit 1
}
echo "lintian: ${findings:-no errors or warnings}"
