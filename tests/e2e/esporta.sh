#!/usr/bin/env bash
# "Immagine" on a picture frozen with Ctrl, as a user does it:
#   "Salva" as foto.bmp says "Immagine salvata!" and writes a 24-bit BMP, header as the format
#   lays it out, pixels those of the picture;
#   "Invia immagine per posta" with "Windows Mail" as the mail program hands it VitreloImage.eml,
#   the golden message with the picture attached as JPEG; with "Microsoft Outlook" a mailto:
#   address naming the JPEG; with none, the not-compatible message. A recorder program of the
#   tests stands in for the mail program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TEMP_WINE=$WINEPREFIX/drive_c/users/$(id -un)/Temp
EML=$TEMP_WINE/VitreloImage.eml JPG=$TEMP_WINE/SnapShotVitrelo.jpg REGISTRO=$E2E_TMP/registro.txt
rm -f "$EML" "$JPG"

avvia_xvfb
# Both registry views: `wine reg` is 32-bit once wine32 is installed, the program may not be.
registro() { for v in 32 64; do wine reg "$@" /reg:$v /f >/dev/null 2>&1 || true; done; }
registratore="\"Z:${VITRELO_TOOLS//\//\\}\\export_registratore.exe\" \"Z:${REGISTRO//\//\\}\" \"%1\""
registro add 'HKCR\.eml' /ve /d VitreloProvaEml
registro add 'HKCR\VitreloProvaEml\shell\open\command' /ve /d "$registratore"
registro add 'HKCR\mailto' /v 'URL Protocol' /d ''
registro add 'HKCR\mailto\shell\open\command' /ve /d "$registratore"
mostra_schermo
avvia_vitrelo
if ((WX > 512)); then ax=200 ay=300; else ax=824 ay=300; fi

# Freezes the live picture at the pointer with Ctrl and chooses item $1 of "Immagine" (1 Salva,
# 2 Invia immagine per posta). The picture, without the push-pin, is kept in fermo.png.
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

passo "\"Salva\" as foto.bmp"
immagine 1
# The dialog fills in the suggested name once it is ready for keys.
_suggerito() { ULTIMO=$(testi 'Salva immagine' | tr '\n' '|') && [[ "|$ULTIMO" == *"|SnapShotVitrelo|"* ]]; }
attendi 15 "the Save As dialog did not show the suggested name" _suggerito
xdotool windowfocus --sync "$(_altre | head -n1)"
xdotool key alt+n type --delay 30 foto.bmp
xdotool key Return
messaggio
[ "$MESSAGGIO" = "Immagine salvata!" ] || fallisci "message after saving: '$MESSAGGIO'"
bmp=$PROG_DIR/foto.bmp
# The header of a bottom-up 24-bit picture CW x CH, rows padded to 4 bytes, and nothing more.
python3 -c "import struct, sys; w, h = map(int, sys.argv[1:]); n = (w * 3 + 3) // 4 * 4 * h; sys.stdout.buffer.write(
    b'BM' + struct.pack('<IIIIiiHHIIiiII', 54 + n, 0, 54, 40, w, h, 1, 24, 0, n, 0, 0, 0, 0))" "$CW" "$CH" \
    >"$E2E_TMP/testata.bmp"
cmp -n 54 "$E2E_TMP/testata.bmp" "$bmp" || fallisci "BMP header: $(xxd -l 54 "$bmp")"
[ "$(stat -c %s "$bmp")" = "$(od -An -tu4 -j2 -N4 "$bmp" | tr -d ' ')" ] || fallisci "foto.bmp's size is not its header's"
convert "$bmp" "$E2E_TMP/foto_bmp.png"
n=$(differenza "$E2E_TMP/fermo.png" "$E2E_TMP/foto_bmp.png")
[ "$n" = 0 ] || fallisci "the BMP differs from the frozen picture in $n pixels"

passo "\"Salva\" over foto.bmp asks first; \"No\" keeps the file"
cp "$bmp" "$E2E_TMP/prima.bmp"
immagine 1
attendi 15 "the Save As dialog did not show the suggested name" _suggerito
xdotool windowfocus --sync "$(_altre | head -n1)"
xdotool key alt+n type --delay 30 foto.bmp
xdotool key Return
_domanda() { testi 'Salva immagine' | grep -q '&No'; }
attendi 15 "no question before replacing foto.bmp" _domanda
for w in $(xdotool search --onlyvisible --name '^Salva immagine'); do
    xdotool windowfocus --sync "$w" key n 2>/dev/null || true
done
attendi 15 "the question did not go away" eval '! _domanda'
d=$(_altre | head -n1)
# "Annulla"/Cancel, bottom right. Without a window manager a click that comes with the
# pointer's first motion over a window only activates it: move first, then click.
eval "$(xdotool getwindowgeometry --shell "$d")"
xdotool mousemove $((X + WIDTH - 45)) $((Y + HEIGHT - 18)) sleep 0.4 click 1
attendi 10 "the Save As dialog did not close" _nessuna_altra
cmp "$E2E_TMP/prima.bmp" "$bmp" || fallisci "foto.bmp changed although the answer was No"

passo "Windows Mail: the message file"
registro add 'HKLM\Software\Clients\Mail' /ve /d 'Windows Mail'
immagine 2
attendi 15 "the mail program was not handed VitreloImage.eml" grep -qs VitreloImage.eml "$REGISTRO"
[ "$(identify -format '%m %w %h' "$JPG")" = "JPEG $CW $CH" ] || fallisci "mail picture: $(identify "$JPG")"
golden=$E2E_DIR/../golden/export_posta_immagine.eml
{ sed '/^SGVsbG8=/,$d' "$golden"; base64 -w 68 "$JPG" | sed 's/$/\r/'; sed '1,/^SGVsbG8=/d' "$golden"; } \
    >"$E2E_TMP/atteso.eml"
cmp "$E2E_TMP/atteso.eml" "$EML" || fallisci "VitreloImage.eml is not the golden message with the JPEG"

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
messaggio
[ "$MESSAGGIO" = "Il programma di posta elettronica non è compatibile con Vitrelo" ] ||
    fallisci "message without a mail program: '$MESSAGGIO'"
[ -s "$REGISTRO" ] && fallisci "something was handed to the shell: $(cat "$REGISTRO")"
echo OK
