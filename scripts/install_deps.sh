#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root. Idempotent:
# does nothing when every package is already there.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ make zlib1g-dev libzopfli-dev libdeflate-dev googletest libgtest-dev
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-i686-dev mingw-w64-x86-64-dev libz-mingw-w64-dev
    wine wine32:i386 wine64 xvfb xauth x11-utils
    unifont imagemagick locales
    openssl osslsigncode
    # zlib's source comes as a bzip2 or xz tarball (fetch_zlib_source.sh),
    # and a minimal system has neither.
    bzip2 xz-utils
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    missing=("${PACKAGES[@]}")
else
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
dpkg --add-architecture i386
apt-get update -q
apt-get install -y -q --no-install-recommends "${PACKAGES[@]}"
