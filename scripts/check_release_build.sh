#!/usr/bin/env bash
# The installer as a vendor ships it, checked after build.sh has built
# BUILD_DIR (default build/):
#  - reproducible: a second build of the same sources in another folder
#    (BUILD_DIR/win32-again), minutes later, gives the same bytes;
#  - signed: the same folder built with a throwaway self-signed certificate
#    passes osslsigncode's verification against that certificate and, when
#    this machine runs 32-bit Wine, installs through the whole wizard.
# Run by test.sh inside its Wine session (LQ_WINE, DISPLAY and WINEPREFIX set).
#   scripts/check_release_build.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
first=$build/win32/LectorQuillerySetup.exe
again=$build/win32-again
log=$again/check.log
mkdir -p "$again"
: > "$log"

# Builds the installer alone in the second folder, with the cache options given.
build_again() {
    if ! { cmake -S "$root" -B "$again" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
               -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
               -DHOST_TOOLS_DIR="$build/host/bin" "$@" &&
           cmake --build "$again" --target LectorQuillerySetup; } >>"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "check_release_build: the second build failed (log: $log)" >&2
        exit 1
    fi
}

echo "== reproducible: the installer built again in $again"
build_again -DLQ_SIGN_CERT= -DLQ_SIGN_KEY=
sha256sum "$first" "$again/LectorQuillerySetup.exe"
if ! cmp -s "$first" "$again/LectorQuillerySetup.exe"; then
    cmp -l "$first" "$again/LectorQuillerySetup.exe" | head -n 10 >&2 || true
    echo "check_release_build: two builds of the same sources differ" >&2
    exit 1
fi

echo "== signed: a throwaway certificate, Authenticode SHA-256"
keys=$again/throwaway-signer
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=LectorQuillery throwaway signer" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$keys/key.pem" -out "$keys/cert.pem" >>"$log" 2>&1
build_again -DLQ_SIGN_CERT="$keys/cert.pem" -DLQ_SIGN_KEY="$keys/key.pem"
signed=$again/LectorQuillerySetup.exe
if ! osslsigncode verify -CAfile "$keys/cert.pem" -in "$signed" >"$again/verify.txt" 2>&1; then
    cat "$again/verify.txt" >&2
    echo "check_release_build: the signature does not verify" >&2
    exit 1
fi
grep -E "Message digest algorithm|Subject:|Signature verification|Number of verified|Succeeded" \
    "$again/verify.txt" | awk '!seen[$0]++' || true

if [ "$("$root/scripts/wine_arch.sh")" != win32 ]; then
    echo "note: this kernel runs no 32-bit Wine; the signed installer is not run here"
    exit 0
fi
echo "== the signed installer through an installation under Wine"
if ! "$LQ_WINE" "$build/win32/tests/e2e/walk_wizard.exe" --setup="$signed" \
        --shots="$again/signed-walk" --atlas="$root/resources/payload/ChnBmp.bin" >>"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "check_release_build: the signed installer did not install (log: $log)" >&2
    exit 1
fi
grep -E '^  "Congrat|^installed into|^installer exit code' "$log"
