#!/usr/bin/env bash
# Runs the MinGW-built GoogleTest program under Wine on its own Xvfb (the tests open windows
# and use the clipboard). Usage: win32_side.sh win32_tests.exe [gtest args]
# The display is VITRELO_DISPLAY_BASE, else E2E_DISPLAY_BASE (the build's default).
set -euo pipefail
exe=$1
display=:${VITRELO_DISPLAY_BASE:-${E2E_DISPLAY_BASE:-20}}
shift
[ -f "$exe" ] || { echo "missing $exe" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
fine() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
}
trap fine EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
lavoro=$(mktemp -d)
cp "$exe" "$lavoro/"
cd "$lavoro"
rc=0
wine "./$(basename "$exe")" "$@" || rc=$?
cd / && rm -rf "$lavoro"
exit "$rc"
