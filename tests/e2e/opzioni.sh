#!/usr/bin/env bash
# The settings file read at start (Zoom=4) and rewritten by "Chiudi" (Zoom in place, the other
# keys after it); "Immagine" on a picture frozen with Ctrl: "Salva" as a BMP, then over it ("No"
# keeps it), "Invia immagine per posta" by each mail route (the JPEG near the frozen picture),
# finestra.exe standing in for the mail program; the zooms " .5 x" and "  6 x", "Griglia",
# "Inverti colori".
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TEMP_WINE=$WINEPREFIX/drive_c/users/$(id -un)/Temp
EML=$TEMP_WINE/VitreloImage.eml JPG=$TEMP_WINE/SnapShotVitrelo.jpg REGISTRO=$E2E_TMP/registro.txt
rm -f "$EML" "$JPG"

avvia_xvfb
# Both registry views: `wine reg` is 32-bit once wine32 is installed, the program may not be.
registro() { for v in 32 64; do wine reg "$@" /reg:$v /f >/dev/null 2>&1 || true; done; }
registratore="\"Z:${VITRELO_TOOLS//\//\\}\\finestra.exe\" registra \"Z:${REGISTRO//\//\\}\" \"%1\""
registro add 'HKCR\.eml' /ve /d VitreloProvaEml
registro add 'HKCR\VitreloProvaEml\shell\open\command' /ve /d "$registratore"
registro add 'HKCR\mailto' /v 'URL Protocol' /d ''
registro add 'HKCR\mailto\shell\open\command' /ve /d "$registratore"
mostra_schermo
mkdir -p "$E2E_TMP/prog"
printf '[Opzioni]\r\nZoom=4\r\n' >"$E2E_TMP/prog/Vitrelo.ini"
avvia_vitrelo
if ((WX > 512)); then ax=200 ay=380; else ax=800 ay=380; fi
passo "Zoom=4 in the settings file"
ZOOM=4
attendi_vista "$ax" "$ay"
# Freezes the picture (fermo.png) with Ctrl; item $1 of "Immagine": 1 Salva, 2 Invia per posta.
immagine() {
    attendi_vista "$ax" "$ay"
    cp "$E2E_TMP/vista_client.png" "$E2E_TMP/fermo.png"
    metti_a_fuoco
    xdotool keydown ctrl
    attendi 10 "no push-pin while Ctrl is held" _diversa "$E2E_TMP/fermo.png"
    apri_menu
    xdotool keyup ctrl   # the open menu stops the timer, so the picture stays frozen
    scegli $(giu 4) Right $(giu "$1") Return
}
# "Salva" as foto.bmp, typed once the dialog suggests its name (then it takes keys).
salva() {
    immagine 1
    attendi 15 "the Save As dialog did not suggest SnapShotVitrelo" eval 'testi Salva immagine | grep -x SnapShotVitrelo >/dev/null'
    xdotool windowfocus --sync "$(_altre | head -n1)" key alt+n type --delay 30 foto.bmp
    xdotool key Return
}
testi() { finestra testi "$*"; }
# Waits for a message box titled "Vitrelo", closes it with Return; its text must be $1.
messaggio() {
    attendi 10 "no message box appeared" eval 'testo=$(testi Vitrelo | grep -vx OK)'
    xdotool windowfocus --sync "$(_altre | head -n1)" key Return
    attendi 10 "the message box did not close" _nessuna_altra
    [ "$testo" = "$1" ] || fallisci "message: '$testo', expected '$1'"
}
passo "\"Salva\" as foto.bmp"
salva
messaggio "Immagine salvata!"
bmp=$PROG_DIR/foto.bmp
# 24 bits, rows padded to 4 bytes (the header's bytes are the unit tests' golden file).
[ "$(stat -c %s "$bmp")" = $((54 + (CW * 3 + 3) / 4 * 4 * CH)) ] || fallisci "foto.bmp: $(xxd -l 54 "$bmp")"
convert "$bmp" "$E2E_TMP/foto_bmp.png"
n=$(differenza "$E2E_TMP/fermo.png" "$E2E_TMP/foto_bmp.png")
[ "$n" = 0 ] || fallisci "the BMP differs from the frozen picture in $n pixels"
passo "\"Salva\" over foto.bmp asks first; \"No\" keeps the file"
cp "$bmp" "$E2E_TMP/prima.bmp"
salva
attendi 15 "no question before replacing foto.bmp" eval 'testi Salva immagine | grep -q "&No"'
for w in $(xdotool search --onlyvisible --name '^Salva immagine'); do
    xdotool windowfocus --sync "$w" key n 2>/dev/null || true
done
attendi 15 "the question did not go away" eval '! testi Salva immagine | grep -q "&No"'
# "Annulla", bottom right. Without a window manager a click that comes with the pointer's first
# motion over a window only activates it: move first, then click.
eval "$(xdotool getwindowgeometry --shell "$(_altre | head -n1)")"
xdotool mousemove $((X + WIDTH - 45)) $((Y + HEIGHT - 18)) sleep 0.4 click 1
attendi 10 "the Save As dialog did not close" _nessuna_altra
cmp "$E2E_TMP/prima.bmp" "$bmp" || fallisci "foto.bmp changed although the answer was No"
passo "Windows Mail: the message file"
registro add 'HKLM\Software\Clients\Mail' /ve /d 'Windows Mail'
immagine 2
attendi 15 "the mail program was not handed VitreloImage.eml" grep -qs VitreloImage.eml "$REGISTRO"
[ "$(identify -format '%m %w %h' "$JPG")" = "JPEG $CW $CH" ] || fallisci "mail picture: $(identify "$JPG")"
# Lossy, yet near the frozen picture: above 20 dB (here 26; swapped channels, a flip, a shift: 9-18).
psnr=$(compare -metric PSNR "$E2E_TMP/fermo.png" "$JPG" null: 2>&1) || true
((${psnr%%.*} >= 20)) || fallisci "the mailed JPEG is not the frozen picture (PSNR $psnr dB)"
golden=$E2E_DIR/../golden/export_posta_immagine.eml
{ sed '/^SGVsbG8=/,$d' "$golden"; base64 -w 68 "$JPG" | sed 's/$/\r/'; sed '1,/^SGVsbG8=/d' "$golden"; } |
    cmp - "$EML" || fallisci "VitreloImage.eml is not the golden message with the JPEG"
passo "Microsoft Outlook: the mailto: address"
rm -f "$EML" "$REGISTRO"
registro add 'HKLM\Software\Clients\Mail' /ve /d 'Microsoft Outlook'
immagine 2
attendi 15 "the mail program was not handed a mailto: address" grep -qs mailto: "$REGISTRO"
# Nothing percent-encoded: two blanks after the colon, one before the quoted path.
grep -F "\"mailto:  ?subject=Invio SnapShot Vitrelo&body= \"C:\\users\\$(id -un)\\Temp\\SnapShotVitrelo.jpg\"\"" \
    "$REGISTRO" >/dev/null || fallisci "mailto: address: $(cat "$REGISTRO")"
[ -f "$EML" ] && fallisci "a message file was written on the mailto: route"
passo "no mail program: the not-compatible message"
rm -f "$REGISTRO"
registro delete 'HKLM\Software\Clients\Mail'
immagine 2
messaggio "Il programma di posta elettronica non è compatibile con Vitrelo"
[ -s "$REGISTRO" ] && fallisci "something was handed to the shell: $(cat "$REGISTRO")"
passo "\" .5 x\""
menu Down Right Return
ZOOM=0.5
attendi_vista 0 0
passo "\"  6 x\", then \"Griglia\" on and off"
menu Down Right $(giu 5) Return
ZOOM=6
attendi_vista "$ax" "$ay"
menu $(giu 8) Return
GRIGLIA=6
attendi_vista "$ax" "$ay"
menu $(giu 8) Return
GRIGLIA=
attendi_vista "$ax" "$ay"
passo "\"Inverti colori\""
menu $(giu 7) Return
NEGATIVO=1
attendi_vista "$ax" "$ay"
passo "\"Chiudi\""
chiudi
printf '[Opzioni]\r\nZoom=5\r\nRefresh=2\r\nInvertiColori=-1\r\n' | cmp - "$PROG_DIR/Vitrelo.ini" ||
    fallisci "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
echo OK
