#!/usr/bin/env bash
# At 144 dpi (the prefix's LogPixels): the picture is still the pixel-exact 2x scale of the screen
# around the pointer, the parts are half as large again (strip 26 px, icons 24) with nothing cut
# off; "Dimensioni X-Y" in logical pixels. (The window's minimum at that DPI: the controller's tests.)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The key goes at the end, failures included: the other scenarios share the prefix.
_key='HKCU\Control Panel\Desktop'
trap 'rc=$?; wine reg delete "$_key" /v LogPixels /f >/dev/null 2>&1; (exit $rc) || _finish; _finish' EXIT
wine reg add "$_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1

start_xvfb
show_screen_picture
start_vitrelo
step "the live picture at 2x above the colour readout's strip of 26 rows, its text and icon whole inside it"
menu_choose pick_color
STRIP=26
wait_for_live_picture 700 600 $((STRIP * CW)) $(((STRIP - 1) * CW))
# The box WxH+X+Y of what is not the strip's face in the strip's area from x $1, $2 wide.
strip_box() { convert "$E2E_TMP/live_client.png" -crop "${2}x$STRIP+$1+$((CH - STRIP))" +repage \
    -threshold 50% -format '%@' info:; }
# The text starts after the close cell (27) and the swatch (24) and ends before the tool icon.
read -r w h x y <<<"$(strip_box 51 $((CW - 51 - 26)) | tr 'x+' '  ')"
((y >= 1 && y + h <= STRIP - 1 && h >= 15)) || fail "the readout's text is ${w}x$h at +$x+$y in the strip"
read -r w h x y <<<"$(strip_box $((CW - 26)) 26 | tr 'x+' '  ')"
((w >= 20 && h >= 20 && y + h <= STRIP)) || fail "the tool icon is ${w}x$h at +$x+$y in the strip"
step "\"pixel logici\": 60 by 30 screen pixels read 40 by 20"
menu_choose_tool pick_color
menu_choose_tool measure
menu_choose unit_pxlog
measure_reads 700 600 60 30 " X 40   Y 20 px log."
echo OK
