#!/usr/bin/env bash
# Benchmarks: start-up time of the installer against a window-only floor
# (medians, same run, under Wine), the installer's size without payload,
# licence painting and the installation's file writing against their floors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install_deps.sh"
arch=$("$root/scripts/wine_arch.sh")
"$root/scripts/build.sh" --test-arch "$arch"

echo "== size (32-bit build)"
for exe in LectorQuillerySetup_nopayload LectorQuillerySetup; do
    size=$(stat -c %s "$root/build/win32/bench/$exe.exe" 2>/dev/null || stat -c %s "$root/build/win32/$exe.exe")
    echo "$exe.exe: $size bytes ($((size / 1024)) KB)"
done

echo "== start-up ($arch Wine)"
out="$root/build/bench-run"
mkdir -p "$out"
# shellcheck source=wine_session.sh
source "$root/scripts/wine_session.sh" "$out" "$arch"
trap wine_session_stop EXIT
"$LQ_WINE" "$root/build/$arch/bench/bench_startup.exe" --runs="${RUNS:-15}" \
    --setup="$root/build/$arch/LectorQuillerySetup.exe" \
    --floor="$root/build/$arch/bench/startup_floor.exe"

echo "== licence painting ($arch Wine)"
"$LQ_WINE" "$root/build/$arch/bench/bench_licence_paint.exe" --rounds="${RUNS:-15}"

echo "== installation ($arch Wine)"
"$LQ_WINE" "$root/build/$arch/bench/install/bench_install.exe" --rounds="${RUNS:-15}"
