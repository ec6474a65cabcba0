#!/usr/bin/env bash
# Runs the MinGW-built GoogleTest program under Wine on its own Xvfb (the tests open windows
# and use the clipboard). Usage: win32_side.sh win32_tests.exe [gtest args]
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
start_xvfb
cp "$1" "$E2E_TMP/"
cd "$E2E_TMP"
wine "./$(basename "$1")" "${@:2}"
