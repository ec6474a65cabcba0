#!/usr/bin/env bash
# The download: scripts/package builds both archives, each a folder "Vitrelo" with the program
# of its build, the help and LEGGIMI.txt. The 32-bit one, unpacked into a fresh folder, runs
# from there: the live picture; "Informazioni" opens the information box and its OK closes it;
# "Guida in linea" opens the help that lies beside the program; "Chiudi" ends the program even
# when the settings file cannot be written.
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
if ((WX > 512)); then ax=150 ay=250; else ax=700 ay=250; fi
attendi_vista "$ax" "$ay"

passo "\"Informazioni\", closed with its OK"
menu Up Up Right Down Return
_due() { ULTIMO=$(xdotool search --onlyvisible --name '^Vitrelo$' | wc -l) && ((ULTIMO == 2)); }
attendi 10 "the information box did not open" _due
xdotool windowfocus --sync "$(_altre | head -n1)"
xdotool key Return
attendi 10 "OK did not close the information box" _nessuna_altra
attendi_vista "$ax" "$ay"

passo "\"Guida in linea\" with the help beside the program"
menu Up Up Right Return
_guida() { GUIDA=$(xdotool search --onlyvisible --name '^Vitrelo - Guida$' | head -n1) && [ -n "$GUIDA" ]; }
attendi 15 "the help did not open" _guida
# Closed, since without a window manager it covers the magnifier.
xdotool windowfocus --sync "$GUIDA" key alt+F4
_senza_guida() { ! _guida; }
attendi 10 "Alt+F4 did not close the help" _senza_guida

passo "\"Chiudi\" with a settings file that cannot be written"
mkdir "$PROG_DIR/Vitrelo.ini"
chiudi
echo OK
