#!/usr/bin/env bash
# Installs, through apt, whatever this Debian-like machine lacks to build and test the
# installer. Does nothing when everything is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make libgtest-dev googletest libncurses-dev libbenchmark-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-tools
    wine64 xvfb xauth x11-utils tmux procps clang-format time
    # make dist
    zip unzip dpkg-dev lintian
    # make screenshots: Wine's own fonts, a terminal emulator and its font, a screen grabber
    fonts-wine xterm fonts-dejavu-core imagemagick
    # make fuzz and the fuzz tests of make test
    clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
