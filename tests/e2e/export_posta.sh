#!/usr/bin/env bash
# "Immagine" > "Invia immagine per posta" with each kind of default mail program: the
# message file for "Windows Mail", the mailto: address for "Microsoft Outlook", the
# not-compatible message when no program is registered. A recorder program of the
# tests stands in for the mail program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$E2E_DIR/tools/export_lib.sh"

TEMP_WINE=$(cartella_temp_wine)
EML=$TEMP_WINE/VitreloImage.eml
JPG=$TEMP_WINE/SnapShotVitrelo.jpg

avvia_xvfb
registra_posta
wine reg add 'HKLM\Software\Clients\Mail' /ve /d 'Windows Mail' /f >/dev/null 2>&1
rm -f "$EML" "$JPG" "$REGISTRO"
mostra_schermo
avvia_vitrelo
attendi_avvio
geometria
punto_libero

attendi_registro() {
    local i
    for i in $(seq 40); do
        [ -s "$REGISTRO" ] && grep -q "$1" "$REGISTRO" && return 0
        sleep 0.25
    done
    fallisci "the mail program was not handed '$1'; log: $(cat "$REGISTRO" 2>/dev/null)"
}

passo "Windows Mail: the message file"
comando_immagine "$E2E_TMP/fermo1.png" 2
attendi_registro VitreloImage.eml
passo "handed: $(cat "$REGISTRO")"
[ -f "$JPG" ] || fallisci "SnapShotVitrelo.jpg is missing from the temporary folder"
[ "$(identify -format '%m %w %h' "$JPG")" = "JPEG $CW $CH" ] || fallisci "mail image: $(identify "$JPG")"
eml_atteso "$JPG" >"$E2E_TMP/atteso.eml"
cmp "$E2E_TMP/atteso.eml" "$EML" || fallisci "VitreloImage.eml differs from the expected layout"
# The attachment decodes back to the image.
sed -n '/^Content-Disposition/,/^------=_NextPart_--/p' "$EML" | tr -d '\r' |
    grep -E '^[A-Za-z0-9+/=]+$' | base64 -d >"$E2E_TMP/allegato.jpg"
cmp "$E2E_TMP/allegato.jpg" "$JPG" || fallisci "the attachment does not decode to SnapShotVitrelo.jpg"

passo "Microsoft Outlook: the mailto: address"
rm -f "$EML" "$REGISTRO"
wine reg add 'HKLM\Software\Clients\Mail' /ve /d 'Microsoft Outlook' /f >/dev/null 2>&1
sleep 0.5
comando_immagine "$E2E_TMP/fermo2.png" 2
attendi_registro 'mailto:'
passo "handed: $(cat "$REGISTRO")"
# Nothing percent-encoded: two blanks after the colon, one before the quoted path.
grep -qF "\"mailto:  ?subject=Invio SnapShot Vitrelo&body= \"C:\\users\\$(id -un)\\Temp\\SnapShotVitrelo.jpg\"\"" \
    "$REGISTRO" || fallisci "mailto: address: $(cat "$REGISTRO")"
[ -f "$EML" ] && fallisci "a message file was written on the mailto: route"

passo "no mail program: the not-compatible message"
rm -f "$REGISTRO"
wine reg delete 'HKLM\Software\Clients\Mail' /f >/dev/null 2>&1 || true
sleep 0.5
comando_immagine "$E2E_TMP/fermo3.png" 2
testo=$(messaggio)
[ "$testo" = "Il programma di posta elettronica non è compatibile con Vitrelo" ] ||
    fallisci "message without a mail program: '$testo'"
[ -s "$REGISTRO" ] && fallisci "something was handed to the shell: $(cat "$REGISTRO")"
echo OK
