#!/usr/bin/env bash
# The download, run from the unpacked 32-bit archive: the live picture, corners included;
# capture mode and its lock (Ctrl: opzioni.sh); the tray both ways back; a second start;
# "Informazioni"; the help beside the program; the colour readout as the strip's window text
# (what a screen reader reads), empty over the magnifier; Shift+F10 for the menu; the settings
# file that "Chiudi" writes on a first run (one that cannot be written: monitori.sh).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

bash "$_radice/scripts/package" >"$E2E_TMP/package.log" 2>&1 ||
    fallisci "scripts/package failed: $(tail -n 5 "$E2E_TMP/package.log")"
for arch in win32 win64; do
    z=$_radice/dist/Vitrelo-3.00-$arch.zip
    elenco=$(unzip -Z1 "$z" | sort | tr '\n' ' ')
    [ "$elenco" = "Vitrelo/ Vitrelo/LEGGIMI.txt Vitrelo/Vitrelo.chm Vitrelo/Vitrelo.exe " ] ||
        fallisci "the $arch archive holds: $elenco"
    unzip -p "$z" Vitrelo/Vitrelo.exe | cmp - "$_radice/dist/$arch/Vitrelo.exe" ||
        fallisci "the $arch archive's program is not dist/$arch/Vitrelo.exe"
done
unzip -q "$_radice/dist/Vitrelo-3.00-win32.zip" -d "$E2E_TMP/scompattato"

avvia_xvfb
mostra_schermo
avvia_vitrelo "$E2E_TMP/scompattato/Vitrelo"
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
# Two pointer positions on the side away from the window.
if ((WX > 512)); then ax=150 ay=250 bx=351 by=552; else ax=700 ay=250 bx=901 by=552; fi
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
xdotool mousemove "$bx" "$by"   # five screenshots, several ticks, with the pointer moved
for _i in 1 2 3 4 5; do _uguale "$E2E_TMP/bloccata.png" || fallisci "the locked picture moved ($ULTIMO)"; done
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
passo "\"Informazioni\", closed with its OK"
menu Up Up Right Down Return
_due() { ULTIMO=$(xdotool search --onlyvisible --name '^Vitrelo$' | wc -l) && ((ULTIMO == 2)); }
attendi 10 "the information box did not open" _due
xdotool windowfocus --sync "$(_altre | head -n1)" key Return
attendi 10 "OK did not close the information box" _nessuna_altra
attendi_vista "$ax" "$ay"
passo "\"Guida in linea\" with the help beside the program"
menu Up Up Right Return
_guida() { GUIDA=$(xdotool search --onlyvisible --name '^Vitrelo - Guida$' | head -n1) && [ -n "$GUIDA" ]; }
attendi 15 "the help did not open" _guida
xdotool windowfocus --sync "$GUIDA" key alt+F4   # without a window manager it covers us
attendi 10 "Alt+F4 did not close the help" eval '! _guida'
passo "\"Individua colore\": the strip's text follows the readout, empty over the magnifier"
_striscia() { ULTIMO=$(finestra testi Vitrelo) && [ "$ULTIMO" = "$1" ]; }
attendi_colore() {
    xdotool mousemove "$1" "$2"
    rgb=$(convert "$SCHERMO" -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs | tr ' ' ,)
    attendi 10 "the strip's text is not the readout of the pixel at $1,$2" _striscia " RGB($rgb)"
}
menu $(giu 5) Return
attendi_colore "$ax" "$ay"
xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2))
attendi 10 "the strip kept its text with the pointer over the magnifier" _striscia ""
attendi_colore "$bx" "$by"
passo "Shift+F10 opens the menu at the picture's centre; Escape closes it"
apri_menu shift+F10
eval "$(xdotool getwindowgeometry --shell "$MENU")"
[ "$X $Y" = "$((CX + CW / 2)) $((CY + CH / 2))" ] || fallisci "the menu opened at $X,$Y, not at the picture's centre"
scegli Escape
attendi_colore "$ax" "$ay"
passo "\"Chiudi\" writes the settings of a first run"
chiudi
cmp "$E2E_DIR/../golden/commands_vitrelo_nuovo.ini" "$PROG_DIR/Vitrelo.ini" ||
    fallisci "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
echo OK
