#!/usr/bin/env bash
# At 144 dpi (the prefix's LogPixels): the picture is still the pixel-exact 2x scale of the screen
# around the pointer, the parts are half as large again (strip 26 px, icons 24) with nothing cut
# off, and "minima" is 2520 x 1600 twips at that DPI.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The key goes at the end, failures included: the other scenarios share the prefix.
_chiave='HKCU\Control Panel\Desktop'
trap 'rc=$?; wine reg delete "$_chiave" /v LogPixels /f >/dev/null 2>&1; (exit $rc) || _fine; _fine' EXIT
wine reg add "$_chiave" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1

avvia_xvfb
mostra_schermo
avvia_vitrelo
passo "live picture at 2x, clamped at the screen's corner"
attendi_vista 700 600
attendi_vista 3 2
passo "the colour readout: a strip of 26 rows, its text and icon whole inside it"
menu $(giu 5) Return
STRISCIA=26
attendi_vista 700 600 $((STRISCIA * CW)) $(((STRISCIA - 1) * CW))
# The box WxH+X+Y of what is not the strip's face in the strip's area from x $1, $2 wide.
riquadro() { convert "$E2E_TMP/vista_client.png" -crop "${2}x$STRISCIA+$1+$((CH - STRISCIA))" +repage \
    -threshold 50% -format '%@' info:; }
# The text starts after the close cell (27) and the swatch (24) and ends before the tool icon.
read -r w h x y <<<"$(riquadro 51 $((CW - 51 - 26)) | tr 'x+' '  ')"
((y >= 1 && y + h <= STRISCIA - 1 && h >= 15)) || fallisci "the readout's text is ${w}x$h at +$x+$y in the strip"
read -r w h x y <<<"$(riquadro $((CW - 26)) 26 | tr 'x+' '  ')"
((w >= 20 && h >= 20 && y + h <= STRISCIA)) || fallisci "the tool icon is ${w}x$h at +$x+$y in the strip"
passo "\"minima\" at 144 dpi"
menu Down Down Right Return
attendi 10 "\"minima\" is not 252x160" _rettangolo "$WX $WY 252 160"
echo OK
