#!/usr/bin/env bash
# Builds into build/: build/host (core, unit tests, host tools), build/win32
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

cmake -S "$root" -B "$root/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE="$sanitize" >/dev/null
cmake --build "$root/build/host" -j "$jobs"
for arch in "${arches[@]}"; do
    toolchain=mingw-i686
    [ "$arch" = win64 ] && toolchain=mingw-x86_64
    cmake -S "$root" -B "$root/build/$arch" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
        -DHOST_TOOLS_DIR="$root/build/host/bin" >/dev/null
    cmake --build "$root/build/$arch" -j "$jobs"
done
