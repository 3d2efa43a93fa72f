#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the end-to-end tests
# under Wine in a virtual display, then builds the installer a second time to
# compare the bytes and once signed. Installs what it needs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install_deps.sh"
arch=$("$root/scripts/wine_arch.sh")
"$root/scripts/build.sh" --sanitize --test-arch "$arch"

echo "== unit tests (native, sanitized)"
ctest --test-dir "$root/build/host" --output-on-failure

echo "== the 32-bit installer, checked without running it"
ctest --test-dir "$root/build/win32" -L static --output-on-failure

echo "== end-to-end tests ($arch Wine)"
# shellcheck source=wine_session.sh
source "$root/scripts/wine_session.sh" "$root/build/$arch" "$arch"
trap wine_session_stop EXIT
ctest --test-dir "$root/build/$arch" --output-on-failure --timeout 300

echo "== the installer as shipped: reproducible, signed"
"$root/scripts/check_release_build.sh" "$root/build"
