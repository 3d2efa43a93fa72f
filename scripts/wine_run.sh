#!/usr/bin/env bash
# ctest's emulator for the cross-built test drivers: runs one under Wine in the
# session that scripts/wine_session.sh started.
exec "${LQ_WINE:-wine}" "$@"
