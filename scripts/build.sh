#!/usr/bin/env bash
# Builds into build/ (or $LQ_BUILD_DIR): build/host (core, unit tests, host tools), build/win32
# (the installer) and, with --test-arch win64, build/win64 (the same sources
# for 64-bit Windows, to test under 64-bit Wine).
#   scripts/build.sh [--sanitize] [--test-arch win32|win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=OFF
arches=(win32)
while [ $# -gt 0 ]; do
    case "$1" in
    --sanitize) sanitize=ON ;;
    --test-arch) shift; [ "$1" = win64 ] && arches+=(win64) ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
jobs=$(nproc)
# LQ_BUILD_DIR puts the build elsewhere (say, a second work tree's own).
build=${LQ_BUILD_DIR:-$root/build}

cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE="$sanitize" >/dev/null
cmake --build "$build/host" -j "$jobs"
# The installer's inflate is built from zlib's source (cmake/zlib_inflate.cmake).
"$root/scripts/fetch_zlib_source.sh" "$build"
for arch in "${arches[@]}"; do
    toolchain=mingw-i686
    [ "$arch" = win64 ] && toolchain=mingw-x86_64
    cmake -S "$root" -B "$build/$arch" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
        -DHOST_TOOLS_DIR="$build/host/bin" -DZLIB_SOURCE_DIR="$build/zlib" >/dev/null
    cmake --build "$build/$arch" -j "$jobs"
done
