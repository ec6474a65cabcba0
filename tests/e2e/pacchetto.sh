#!/usr/bin/env bash
# The download, run from the unpacked 32-bit archive: "Informazioni", the help beside the
# program, the colour readout as the strip's window text (what a screen reader reads), Shift+F10
# for the menu, and "Chiudi" with a settings file that cannot be written.
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
if ((WX > 512)); then ax=150 ay=250 bx=351 by=552; else ax=700 ay=250 bx=901 by=552; fi
attendi_vista "$ax" "$ay"
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
passo "\"Chiudi\" with a settings file that cannot be written"
mkdir "$PROG_DIR/Vitrelo.ini"
chiudi
echo OK
