#!/usr/bin/env bash
# The command menu and the option commands, as a user drives them:
#   a settings file with Zoom=4 starts the magnifier at 4x;
#   a right-click opens the menu with the expected tree and captions (compared, pixel for
#   pixel, with a menu of the expected captions shown by commands_menu_atteso.exe);
#   "  6 x" and "Griglia" draw the grid over the 6x picture; "Inverti colori" shows the
#   complement; "Chiudi" writes the settings file and ends the program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
mkdir -p "$E2E_TMP/prog"
printf '[Opzioni]\r\nZoom=4\r\n' >"$E2E_TMP/prog/Vitrelo.ini"
avvia_vitrelo
attendi_avvio
geometria

if ((WX > 512)); then ax=200; else ax=800; fi
ay=380

# Compares the client area with the nearest-neighbour scale of the screen at ($1, $2).
controlla_live() {
    local nome=$1 n
    puntatore "$ax" "$ay"
    sleep 0.8
    foto "$E2E_TMP/$nome.png"
    atteso "$E2E_TMP/$nome.png" "$ax" "$ay" "$E2E_TMP/${nome}_atteso.png"
    ritaglia_client "$E2E_TMP/$nome.png" "$E2E_TMP/${nome}_client.png"
}


# Clicks row $1 (from 0, before the first separator) of the open top-level menu: rows are
# 16 pixels tall from 3 pixels below the menu's top (the default font of this Wine).
scegli_riga() {
    xdotool mousemove "$((MX + 40))" "$((MY + 3 + 16 * $1 + 8))" click 1
    sleep 0.5
}

passo "Zoom=4 in the settings file"
metti_a_fuoco
ZOOM=4
controlla_live z4
n=$(differenza "$E2E_TMP/z4_atteso.png" "$E2E_TMP/z4_client.png")
[ "$n" = 0 ] || fallisci "the picture is not the 4x scale ($n pixels differ)"

passo "the menu tree and captions"
# The pointer rests on "Zoom" until its submenu opens, then a click far away closes the menu.
sottomenu_zoom() {
    xdotool mousemove "$((MX + 40))" "$((MY + 3 + 8))"
    sleep 1.2
    foto "$1"
    xdotool mousemove "$ax" 700 click 1
    sleep 0.6
}
apri_menu
foto "$E2E_TMP/menu.png"
sottomenu_zoom "$E2E_TMP/menu_zoom.png"
wine "$VITRELO_TOOLS/commands_menu_atteso.exe" "$MX" "$MY" 4 >/dev/null 2>&1 &
atteso_pid=$!
_pids+=("$atteso_pid")
sleep 1.5
puntatore "$MX" "$MY"
sleep 0.5
foto "$E2E_TMP/menu_rif.png"
sottomenu_zoom "$E2E_TMP/menu_zoom_rif.png"
kill "$atteso_pid" 2>/dev/null || true
# Both pictures must really hold a menu, and the second its open submenu too.
(($(differenza "$E2E_TMP/menu.png" "$E2E_TMP/z4.png") > 5000)) || fallisci "no menu opened"
(($(differenza "$E2E_TMP/menu_zoom.png" "$E2E_TMP/menu.png") > 1000)) ||
    fallisci "the Zoom submenu did not open"
n=$(differenza "$E2E_TMP/menu.png" "$E2E_TMP/menu_rif.png")
[ "$n" = 0 ] || fallisci "the menu differs from the expected one ($n pixels)"
n=$(differenza "$E2E_TMP/menu_zoom.png" "$E2E_TMP/menu_zoom_rif.png")
[ "$n" = 0 ] || fallisci "the Zoom submenu differs from the expected one ($n pixels)"

passo "\"  6 x\" and \"Griglia\""
apri_menu
xdotool key Down Right Down Down Down Down Down Return
sleep 0.5
apri_menu
scegli_riga 7
ZOOM=6
controlla_live z6
n=$(python3 "$E2E_DIR/commands_griglia.py" "$E2E_TMP/z6_client.png" "$E2E_TMP/z6_atteso.png" 6)
[ "$n" = 0 ] || fallisci "the 6x picture with its grid is wrong ($n pixels)"

passo "\"Griglia\" off, \"Inverti colori\" on"
apri_menu
scegli_riga 7
apri_menu
scegli_riga 6
controlla_live inv
convert "$E2E_TMP/inv_atteso.png" -negate "$E2E_TMP/inv_negato.png"
n=$(differenza "$E2E_TMP/inv_negato.png" "$E2E_TMP/inv_client.png")
[ "$n" = 0 ] || fallisci "the inverted picture is not the complement ($n pixels differ)"

passo "\"Chiudi\""
chiudi_dal_menu
# Zoom rewritten in place, the other keys added to the section in the order written.
printf '[Opzioni]\r\nZoom=5\r\nRefresh=2\r\nInvertiColori=-1\r\n' >"$E2E_TMP/ini_atteso"
cmp "$E2E_TMP/ini_atteso" "$E2E_TMP/prog/Vitrelo.ini" ||
    fallisci "settings file: $(xxd "$E2E_TMP/prog/Vitrelo.ini")"
echo OK
