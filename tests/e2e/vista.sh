#!/usr/bin/env bash
# The live picture and the ways of stopping and hiding it, on one start of the program: at 2x
# it is the nearest-neighbour scale of the screen around the pointer, pushed back inside the
# screen at its corners, and white with the pointer over the magnifier; holding Ctrl pauses it
# (a push-pin shows); in capture mode the space bar locks it, a click on the padlock unlocks it,
# a second one leaves the mode; "Minimizza" hides the window behind a tray icon, whose
# double-click or menu brings it back; a second start ends by itself; "Chiudi" writes the
# settings file of a first run.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
avvia_vitrelo

passo "live picture at 2x, corners included"
visti=0
for p in "0 0" "1023 767" "1023 0" "0 767" "150 600" "900 300"; do
    read -r x y <<<"$p"
    rettangolo_cattura "$x" "$y"
    # A capture rectangle over the magnifier would show the magnifier: not comparable.
    tocca_finestra "$SX" "$SY" "$SW" "$SH" && continue
    attendi_vista "$x" "$y"
    visti=$((visti + 1))
done
((visti >= 4)) || fallisci "only $visti pointer positions could be checked"

passo "pointer over the magnifier: a white picture"
convert -size "${CW}x$CH" xc:white "$E2E_TMP/bianco.png"
puntatore $((CX + CW / 2)) $((CY + CH / 2))
attendi 10 "the picture did not turn white" _uguale "$E2E_TMP/bianco.png"

# Two pointer positions away from the window, on the side where it is not.
if ((WX > 512)); then ax=150 ay=250 bx=350 by=550; else ax=700 ay=250 bx=900 by=550; fi

passo "Ctrl held: the picture stops"
attendi_vista "$ax" "$ay"
cp "$E2E_TMP/vista_client.png" "$E2E_TMP/a.png"
metti_a_fuoco
xdotool keydown ctrl
attendi 10 "no push-pin while Ctrl is held" _diversa "$E2E_TMP/a.png"
cp "$E2E_TMP/confronto_client.png" "$E2E_TMP/ferma.png"
puntatore "$bx" "$by"
resta_uguale "$E2E_TMP/ferma.png" "the picture followed the pointer while Ctrl was held"
xdotool keyup ctrl
attendi_vista "$bx" "$by"

passo "capture mode: space locks, the padlock unlocks, then leaves the mode"
menu $(giu 6) Return
attendi_vista "$ax" "$ay" 4096 1
cp "$E2E_TMP/vista_client.png" "$E2E_TMP/cattura.png"
metti_a_fuoco
xdotool key space
attendi 10 "the space bar did not lock the picture" _diversa "$E2E_TMP/cattura.png"
# The closed padlock is painted a moment after the locked picture: the locked frame is the
# one that two screenshots in a row agree on.
_ferma() { cp "$E2E_TMP/confronto_client.png" "$E2E_TMP/bloccata.png" && _uguale "$E2E_TMP/bloccata.png"; }
attendi 10 "the locked picture did not settle" _ferma
puntatore "$bx" "$by"
resta_uguale "$E2E_TMP/bloccata.png" "the locked picture followed the pointer"
xdotool mousemove $((CX + 24)) $((CY + 24)) click 1
attendi_vista "$bx" "$by" 4096 1
xdotool mousemove $((CX + 24)) $((CY + 24)) click 1
attendi_vista "$bx" "$by"

# The tray icon once it shows: VASSOIO, and X Y its top-left corner.
_vassoio() { VASSOIO=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n1) && [ -n "$VASSOIO" ]; }
_senza_vassoio() { ! xwininfo -id "$VASSOIO" | grep IsViewable >/dev/null; }
_mappata() { xwininfo -id "$FINESTRA" | grep IsViewable >/dev/null; }
_nascosta() { ! _mappata; }
for via in "a double-click on the icon" "\"Ripristina\" in the icon's menu"; do
    passo "\"Minimizza\" to the tray, back with $via"
    menu Up Up Up Return
    attendi 10 "\"Minimizza\" did not hide the window" _nascosta
    attendi 10 "no tray icon" _vassoio
    eval "$(xdotool getwindowgeometry --shell "$VASSOIO")"
    if [[ $via == a* ]]; then
        xdotool mousemove $((X + 8)) $((Y + 8)) click --repeat 2 --delay 80 1
    else
        xdotool mousemove $((X + 8)) $((Y + 8)) click 3
        attendi 10 "the icon's menu did not open" _menu_aperto
        scegli Down Return
    fi
    attendi 10 "$via did not bring the window back" _mappata
    attendi 10 "the tray icon stayed" _senza_vassoio
    attendi_vista "$bx" "$by"
done

passo "a second start ends by itself"
rc=0
(cd "$PROG_DIR" && timeout 20 wine Vitrelo.exe) >"$E2E_TMP/seconda.log" 2>&1 || rc=$?
((rc != 124)) || fallisci "the second instance did not end"
kill -0 "$VITRELO_PID" 2>/dev/null || fallisci "the first instance has gone"
n=$(xdotool search --onlyvisible --name '^Vitrelo$' | wc -l)
[ "$n" = 1 ] || fallisci "$n visible Vitrelo windows, expected 1"

passo "\"Chiudi\" writes the settings of a first run"
chiudi
cmp "$E2E_DIR/../golden/commands_vitrelo_nuovo.ini" "$PROG_DIR/Vitrelo.ini" ||
    fallisci "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
echo OK
