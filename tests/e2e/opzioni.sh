#!/usr/bin/env bash
# The options as a user sets them, and the settings file both ways:
#   Zoom=4 in the settings file starts the magnifier at 4x;
#   " .5 x" halves the screen, "  6 x" with "Griglia" draws the grid over the 6x picture,
#   "Inverti colori" shows the complement;
#   "Chiudi" rewrites Zoom in place and adds the other keys after it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
mkdir -p "$E2E_TMP/prog"
printf '[Opzioni]\r\nZoom=4\r\n' >"$E2E_TMP/prog/Vitrelo.ini"
avvia_vitrelo
if ((WX > 512)); then ax=200 ay=380; else ax=800 ay=380; fi

passo "Zoom=4 in the settings file"
ZOOM=4
attendi_vista "$ax" "$ay"

passo "\" .5 x\""
menu Down Right Return
ZOOM=0.5
attendi_vista 0 0

passo "\"  6 x\", then \"Griglia\" on and off"
menu Down Right $(giu 5) Return
ZOOM=6
attendi_vista "$ax" "$ay"
menu $(giu 8) Return
_griglia() {
    foto griglia
    atteso "$E2E_TMP/griglia.png" "$ax" "$ay" "$E2E_TMP/griglia_atteso.png"
    ULTIMO="$(python3 "$E2E_DIR/griglia.py" "$E2E_TMP/griglia_client.png" "$E2E_TMP/griglia_atteso.png" 6) wrong pixels"
    [ "${ULTIMO%% *}" = 0 ]
}
puntatore "$ax" "$ay"
attendi 10 "no grid over the 6x picture" _griglia
menu $(giu 8) Return
attendi_vista "$ax" "$ay"

passo "\"Inverti colori\""
menu $(giu 7) Return
NEGATIVO=1
attendi_vista "$ax" "$ay"

passo "\"Chiudi\""
chiudi
printf '[Opzioni]\r\nZoom=5\r\nRefresh=2\r\nInvertiColori=-1\r\n' >"$E2E_TMP/ini_atteso"
cmp "$E2E_TMP/ini_atteso" "$PROG_DIR/Vitrelo.ini" ||
    fallisci "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
echo OK
