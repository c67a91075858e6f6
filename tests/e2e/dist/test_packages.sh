#!/usr/bin/env bash
# What a user downloads, built by tools/make-dist.sh into WORKDIR and looked into: the zip's
# entries and its Install.exe, the .deb unpacked and its program run outside a terminal.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
work=${1:?usage: test_packages.sh WORKDIR}
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*" >&2 && exit 1; }

"$ROOT/tools/make-dist.sh" "$work/dist" >"$work/make-dist.log" 2>&1 ||
    { cat "$work/make-dist.log" >&2 && fail "make-dist.sh"; }
cd "$work/dist" && sha256sum --quiet -c SHA256SUMS || fail "SHA256SUMS"
version=$(sed -n 's/^project([a-z0-9_]* VERSION \([0-9.]*\) .*/\1/p' "$ROOT/CMakeLists.txt")
IFS=. read -r major minor patch tweak <<<"$version"

# The zip: the installer and everything it reads beside itself, in one folder, nothing else.
zip=zrk-md11-panel-installer-$major.$minor-windows.zip
names=(Install.exe Readme.txt tuning_res/{MD-11_zrk.air,sound.cfg} trimdesk_res/Trimdesk.exe
    trimdesk_res/Trimdesk-{PAX-3C,PAX-2C,PAX-1C,CBI-2C,CBI-1C,CARGO}.ini
    trimdesk_res/TD-MD11-{PAX-3C,PAX-2C,PAX-1C,CBI-2C,CBI-1C,CARGO}.{ini,bmp})
diff <(printf 'ZRK MD-11 panel installer/%s\n' "${names[@]}" | sort) <(unzip -Z1 "$zip" | sort) ||
    fail "zip entries"
unzip -q "$zip" -d "$work/zip" && cd "$work/zip/ZRK MD-11 panel installer"
! LC_ALL=C grep -qv $'\r$' Readme.txt || fail "Readme.txt has a line without CR LF"
i686-w64-mingw32-objdump -f Install.exe | grep -q 'file format pei-i386' || fail "not i686"
record=$(i686-w64-mingw32-windres -i Install.exe -O rc) four="$major, $minor, $patch, $tweak"
grep -qF "FILEVERSION $four" <<<"$record" && grep -qF "\"ProductVersion\", \"$four\"" \
    <<<"$record" || fail "version record"

# The .deb: its version, dependencies and manual page, and the program it installs.
deb=$work/dist/zrk-md11-installer_$major.$minor.${patch}_$(dpkg --print-architecture).deb
[ "$(dpkg-deb -f "$deb" Version)" = "$major.$minor.$patch" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q libncursesw || fail "no dependencies found"
dpkg-deb -x "$deb" "$work/deb" && program=$work/deb/usr/bin/zrk-md11-installer
[ -s "$work/deb/usr/share/man/man1/zrk-md11-installer.1.gz" ] || fail "no manual page"
[ "$("$program" --version)" = "zrk-md11-installer $version" ] || fail "--version"
"$program" --help | grep -qF -- "-C DIR" || fail "--help"
for arguments in --no-such-option "-C $work/missing"; do # exit code 2, one line on stderr
    code=0 && "$program" $arguments 2>"$work/error" || code=$?
    [ "$code" = 2 ] && [ "$(wc -l <"$work/error")" = 1 ] || fail "$arguments: exit $code"
done
echo "PASS packages"
