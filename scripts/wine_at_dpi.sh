#!/usr/bin/env bash
# Runs a command with the Wine prefix's screen at DPI dots per inch, for the
# tests of a high-DPI screen: HKCU\Control Panel\Desktop LogPixels, which
# each Wine process reads when it starts. The value goes again afterwards,
# however the command ends, so the tests after it see 96 DPI.
#   scripts/wine_at_dpi.sh DPI COMMAND [ARGUMENT...]
set -u
dpi=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
key='HKCU\Control Panel\Desktop'

forget_dpi() { "$here/wine_run.sh" reg delete "$key" /v LogPixels /f >/dev/null 2>&1; }
trap forget_dpi EXIT
"$here/wine_run.sh" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || exit 1
"$@"
