#!/usr/bin/env bash
# The readouts and the menu within reach of other programs and of the keyboard: with
# "Individua colore" on, the info strip's window text, read from another process as a screen
# reader reads it, is the readout of the pixel under the pointer, and empty with no readout;
# Shift+F10 opens the command menu at the picture's centre, not at the pointer, and Escape
# closes it with the picture running on.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
avvia_vitrelo

# The strip's window text between brackets, as finestra.exe prints it.
_striscia() {
    ULTIMO=$(cd "$E2E_TMP" && wine "$VITRELO_TOOLS/finestra.exe" striscia 2>/dev/null | tr -d '\r')
    [ "$ULTIMO" = "[$1]" ]
}
# Pointer at ($1, $2), away from the magnifier; waits for the readout of that pixel on screen.
attendi_colore() {
    puntatore "$1" "$2"
    import -window root "$E2E_TMP/punto.png"
    local rgb
    rgb=$(convert "$E2E_TMP/punto.png" -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs | tr ' ' ,)
    attendi 10 "the strip's text is not the readout of the pixel at $1,$2" _striscia " RGB($rgb)"
}
if ((WX > 512)); then ax=150 ay=250 bx=351 by=552; else ax=700 ay=250 bx=901 by=552; fi

passo "\"Individua colore\": the strip's text follows the readout, empty over the magnifier"
menu $(giu 5) Return
attendi_colore "$ax" "$ay"
puntatore $((CX + CW / 2)) $((CY + CH / 2))
attendi 10 "the strip kept its text with the pointer over the magnifier" _striscia ""
attendi_colore "$bx" "$by"

passo "Shift+F10 opens the menu at the picture's centre; Escape closes it"
metti_a_fuoco
_gia_aperte=$(_altre) || true
xdotool key shift+F10
attendi 10 "Shift+F10 opened no menu" _menu_aperto
eval "$(xdotool getwindowgeometry --shell "$MENU")"
[ "$X $Y" = "$((CX + CW / 2)) $((CY + CH / 2))" ] ||
    fallisci "the menu opened at $X,$Y, not at the picture's centre $((CX + CW / 2)),$((CY + CH / 2))"
scegli Escape
attendi_colore "$ax" "$ay"

chiudi
echo OK
