#!/usr/bin/env bash
# The main job: builds the installer and walks through it under Wine in a
# virtual display, saving a screenshot of every screen into
# build/main-job/screenshots and printing what happened.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install_deps.sh"
arch=$("$root/scripts/wine_arch.sh")
"$root/scripts/build.sh" --test-arch "$arch"
if [ "$arch" = win64 ]; then
    echo "note: this machine's kernel cannot run 32-bit Wine; walking the 64-bit build of the same sources"
fi

out="$root/build/main-job"
mkdir -p "$out"
rm -rf "$out/screenshots"
# shellcheck source=wine_session.sh
source "$root/scripts/wine_session.sh" "$out" "$arch"
trap wine_session_stop EXIT
"$LQ_WINE" "$root/build/$arch/tests/e2e/walk_wizard.exe" \
    --setup="$root/build/$arch/LectorQuillerySetup.exe" --shots="$out/screenshots" \
    --atlas="$root/resources/payload/ChnBmp.bin"
echo "installer: $root/build/win32/LectorQuillerySetup.exe ($(stat -c %s "$root/build/win32/LectorQuillerySetup.exe") bytes)"
echo "screenshots: $out/screenshots"
