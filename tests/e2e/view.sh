#!/usr/bin/env bash
# The download, run from the unpacked archive of the build under test (32-bit where it runs): the live picture (at the screen's edges:
# monitors.sh), capture mode left by its padlock (its lock: the Win32-side tests); the tray and
# back; a second start; the help beside the program, Italian and English; the colour readout
# and the contrast as the strip's window text (what a screen reader reads); Shift+F10 for the
# menu; the settings file that "Chiudi" writes on a first run (one that cannot be written:
# monitors.sh).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

bash "$ROOT/scripts/package" >"$E2E_TMP/package.log" 2>&1 ||
    fail "scripts/package failed: $(tail -n 5 "$E2E_TMP/package.log")"
for arch in win32 win64; do
    z=$ROOT/dist/Vitrelo-3.00-$arch.zip
    listing=$(unzip -Z1 "$z" | sort | tr '\n' ' ')
    [ "$listing" = "Vitrelo/ Vitrelo/LEGGIMI.txt Vitrelo/Vitrelo.chm Vitrelo/Vitrelo.exe Vitrelo/Vitrelo_en.chm " ] ||
        fail "the $arch archive holds: $listing"
    unzip -p "$z" Vitrelo/Vitrelo.exe | cmp - "$ROOT/dist/$arch/Vitrelo.exe" ||
        fail "the $arch archive's program is not dist/$arch/Vitrelo.exe"
done
unzip -q "$ROOT/dist/Vitrelo-3.00-win$VITRELO_WINE_ARCH.zip" -d "$E2E_TMP/unpacked"

start_xvfb
show_screen_picture
start_vitrelo "$E2E_TMP/unpacked/Vitrelo"
# Two pointer positions on the side away from the window.
if ((WX > 512)); then ax=150 ay=250 bx=351 by=552; else ax=700 ay=250 bx=901 by=552; fi
step "capture mode draws the pointer; the open padlock leaves it"
menu_choose capture
wait_for_live_picture "$ax" "$ay" 4096 1
xdotool mousemove $((CX + 24)) $((CY + 24)) click 1
wait_for_live_picture "$bx" "$by"
step "\"Minimizza\" to the tray, back with a double-click on the icon"
_tray() { TRAY=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n1) && [ -n "$TRAY" ]; }
_mapped() { xwininfo -id "$1" | grep IsViewable >/dev/null; }
menu_choose minimize
wait_for 10 "\"Minimizza\" did not hide the window" eval '! _mapped "$VITRELO_WINDOW"'
wait_for 10 "no tray icon" _tray
eval "$(xdotool getwindowgeometry --shell "$TRAY")"
xdotool mousemove $((X + 8)) $((Y + 8)) click --repeat 2 --delay 80 1
wait_for 10 "the double-click did not bring the window back" _mapped "$VITRELO_WINDOW"
wait_for 10 "the tray icon stayed" eval '! _mapped "$TRAY"'
wait_for_live_picture "$bx" "$by"
step "a second start ends by itself"
rc=0
(cd "$PROG_DIR" && timeout 20 wine Vitrelo.exe) >"$E2E_TMP/second.log" 2>&1 || rc=$?
((rc != 124)) || fail "the second instance did not end"
kill -0 "$VITRELO_PID" 2>/dev/null || fail "the first instance has gone"
[ "$(xdotool search --onlyvisible --name '^Vitrelo$' | wc -l)" = 1 ] || fail "not one Vitrelo window"
step "\"Guida in linea\" with the help beside the program: in English the English one"
_help_window() { HELP=$(xdotool search --onlyvisible --name "^Vitrelo - $1\$" | head -n1) && [ -n "$HELP" ]; }
# Italian last (the settings file stays a first run's); a right-click after the choice is lost.
for language in Help:language_en Guida:language_it; do
    menu_choose "${language#*:}"
    open_menu shift+F10 && choose $(menu_keys help_contents) Return
    wait_for 15 "the help \"Vitrelo - ${language%:*}\" did not open" _help_window "${language%:*}"
    xdotool windowfocus --sync "$HELP" key alt+F4   # without a window manager it covers us
    wait_for 10 "Alt+F4 did not close the help" eval '! _help_window "${language%:*}"'
done
step "\"Individua colore\": the strip's text is the readout"
wait_for_colour_text() {
    xdotool mousemove "$1" "$2"
    rgb=$(convert "$SCREEN_PICTURE" -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs | tr ' ' ,)
    wait_for 10 "the strip's text is not the readout of the pixel at $1,$2" _strip_text " RGB($rgb)"
}
menu_choose pick_color
wait_for_colour_text "$bx" "$by"
step "Shift+F10 opens the menu at the picture's centre; Escape closes it"
open_menu shift+F10
eval "$(xdotool getwindowgeometry --shell "$MENU")"
[ "$X $Y" = "$((CX + CW / 2)) $((CY + CH / 2))" ] || fail "the menu opened at $X,$Y, not at the picture's centre"
choose Escape
wait_for_colour_text "$ax" "$ay"
step "\"Contrasto\": the strip's text is the ratio with white, the reference until a colour is copied"
menu_choose_tool pick_color
menu_choose_tool contrast
xdotool mousemove "$ax" "$ay"
want=$(python3 -c 'import sys; c = [int(v) / 255 for v in sys.argv[1:]]
y = sum(k * (v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4) for k, v in zip((0.2126, 0.7152, 0.0722), c))
q = 1.05 / (y + 0.05); v = "AAA" if q >= 7 else "AA" if q >= 4.5 else "AA grande" if q >= 3 else "no"
print(f" {q:.2f}:1 {v}".replace(".", ","))' $(convert "$SCREEN_PICTURE" -crop "1x1+$ax+$ay" -depth 8 rgb:- | od -An -tu1))
wait_for 10 "the strip's text is not the contrast of the pixel at $ax,$ay with white" _strip_text "$want"
step "\"Chiudi\" writes the settings of a first run"
close_program
cmp "$E2E_DIR/../golden/settings_first_run.ini" "$PROG_DIR/Vitrelo.ini" ||
    fail "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
echo OK
