#!/usr/bin/env bash
# One virtual display and one persistent wineserver for a whole run, over a
# fresh Wine prefix in the build folder. A wineserver that outlives its X
# display makes later windows fail, so they start and stop together.
#
#   source scripts/wine_session.sh BUILD_DIR ARCH   # ARCH: win32 or win64
#   wine_session_stop
# shellcheck disable=SC2034
set -u
_lq_build=$(cd "$1" && pwd)
_lq_arch=$2

export WINEPREFIX="$_lq_build/wineprefix"
export WINEARCH="$_lq_arch"
export WINEDEBUG=-all
# No desktop-menu integration, no Mono or Gecko download prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
if [ "$_lq_arch" = win64 ]; then
    export LQ_WINE=/usr/lib/wine/wine64
    export WINELOADER=$LQ_WINE
else
    export LQ_WINE=/usr/lib/wine/wine
fi

# A display is taken when its lock or socket is here or when a server answers
# on it: a server started in another root (a chroot) keeps its files there but
# shares the abstract socket names, which clients try first. Two sessions that
# pick the same number at once: one's server ends, and it takes the next.
# Room for the wizard and its message boxes at 192 DPI (about 1,400 pixels
# wide there); at 96 DPI they take the top left part.
_lq_screen=1600x1200
_lq_display=99
while :; do
    if [ -e "/tmp/.X${_lq_display}-lock" ] || [ -e "/tmp/.X11-unix/X${_lq_display}" ] ||
        xdpyinfo -display ":${_lq_display}" >/dev/null 2>&1; then
        _lq_display=$((_lq_display + 1))
        [ "$_lq_display" -lt 200 ] || { echo "wine_session: no X display free" >&2; return 1; }
        continue
    fi
    Xvfb ":${_lq_display}" -screen 0 "${_lq_screen}x24" -nolisten tcp >/dev/null 2>&1 &
    _lq_xvfb_pid=$!
    for _ in $(seq 1 50); do
        xdpyinfo -display ":${_lq_display}" >/dev/null 2>&1 && break
        kill -0 "$_lq_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$_lq_xvfb_pid" 2>/dev/null && break
    _lq_display=$((_lq_display + 1))
    [ "$_lq_display" -lt 200 ] || { echo "wine_session: Xvfb does not start" >&2; return 1; }
done
export DISPLAY=":${_lq_display}"

rm -rf "$WINEPREFIX"
"$LQ_WINE" wineboot -i >/dev/null 2>&1
wineserver -w  # the prefix is complete once its first server has ended
wineserver -p
# A virtual desktop: Wine then draws window frames and captions itself, so
# screenshots show them without a window manager.
"$LQ_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$LQ_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$_lq_screen" /f >/dev/null 2>&1

wine_session_stop() {
    wineserver -k 2>/dev/null || true
    kill "$_lq_xvfb_pid" 2>/dev/null || true
    wait "$_lq_xvfb_pid" 2>/dev/null || true
}
