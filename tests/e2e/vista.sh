#!/usr/bin/env bash
# The live picture and the ways of stopping and hiding it: corners, the pointer over the
# magnifier, Ctrl, capture mode and its lock, the tray both ways back, a second start, and the
# settings file that "Chiudi" writes on a first run.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
avvia_vitrelo
passo "live picture at 2x, corners included"
visti=0
for p in "0 0" "1023 767" "1023 0" "0 767" "150 600" "900 300"; do
    read -r x y <<<"$p"
    rettangolo_cattura "$x" "$y"
    tocca_finestra "$SX" "$SY" "$SW" "$SH" && continue   # it would show the magnifier itself
    attendi_vista "$x" "$y"
    visti=$((visti + 1))
done
((visti >= 4)) || fallisci "only $visti pointer positions could be checked"
passo "pointer over the magnifier: a white picture"
convert -size "${CW}x$CH" xc:white "$E2E_TMP/bianco.png"
xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2))
attendi 10 "the picture did not turn white" _uguale "$E2E_TMP/bianco.png"

# Two pointer positions on the side away from the window.
if ((WX > 512)); then ax=150 ay=250 bx=350 by=550; else ax=700 ay=250 bx=900 by=550; fi
# The picture stays the crop $1 over five screenshots, several ticks, with the pointer moved.
resta_uguale() {
    xdotool mousemove "$bx" "$by"
    for _i in 1 2 3 4 5; do _uguale "$1" || fallisci "$2 ($ULTIMO)"; done
}
passo "Ctrl held: the picture stops"
attendi_vista "$ax" "$ay"
cp "$E2E_TMP/vista_client.png" "$E2E_TMP/a.png"
metti_a_fuoco
xdotool keydown ctrl
attendi 10 "no push-pin while Ctrl is held" _diversa "$E2E_TMP/a.png"
cp "$E2E_TMP/confronto_client.png" "$E2E_TMP/ferma.png"
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
# The closed padlock is painted a moment after the locked picture: two screenshots agree.
_ferma() { cp "$E2E_TMP/confronto_client.png" "$E2E_TMP/bloccata.png" && _uguale "$E2E_TMP/bloccata.png"; }
attendi 10 "the locked picture did not settle" _ferma
resta_uguale "$E2E_TMP/bloccata.png" "the locked picture followed the pointer"
for n in 4096 0; do
    xdotool mousemove $((CX + 24)) $((CY + 24)) click 1
    attendi_vista "$bx" "$by" "$n" $((n > 0))
done

_vassoio() { VASSOIO=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n1) && [ -n "$VASSOIO" ]; }
_mappata() { xwininfo -id "$1" | grep IsViewable >/dev/null; }
for via in "a double-click on the icon" "\"Ripristina\" in the icon's menu"; do
    passo "\"Minimizza\" to the tray, back with $via"
    menu Up Up Up Return
    attendi 10 "\"Minimizza\" did not hide the window" eval '! _mappata "$FINESTRA"'
    attendi 10 "no tray icon" _vassoio
    eval "$(xdotool getwindowgeometry --shell "$VASSOIO")"
    if [[ $via == a* ]]; then
        xdotool mousemove $((X + 8)) $((Y + 8)) click --repeat 2 --delay 80 1
    else
        xdotool mousemove $((X + 8)) $((Y + 8)) click 3
        attendi 10 "the icon's menu did not open" _menu_aperto
        scegli Down Return
    fi
    attendi 10 "$via did not bring the window back" _mappata "$FINESTRA"
    attendi 10 "the tray icon stayed" eval '! _mappata "$VASSOIO"'
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
