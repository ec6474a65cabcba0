#!/usr/bin/env bash
# Creates the tests' private Wine prefix once (about 12 s); later runs find it ready.
# HOME must be private before the prefix exists: its Desktop and Documents link into HOME.
set -euo pipefail
mkdir -p "$HOME"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create $WINEPREFIX" >&2; exit 1; }
