# Helpers of the image-export scenarios (sourced after lib.sh).

# The pointer on a spot of the test picture away from the window: sets AX AY.
punto_libero() {
    if ((WX > SCHERMO_W / 2)); then AX=200; else AX=$((SCHERMO_W - 200)); fi
    AY=300
}

# Keeps the live picture at the pointer (the client crop in $1: the frozen picture
# is this one, without the push-pin drawn over it), freezes it with Ctrl,
# opens the popup with a right-click on the picture and chooses "Immagine" > item $2
# (0 Copia, 1 Salva, 2 Invia immagine per posta).
comando_immagine() {
    local crop=$1 voce=$2 i
    puntatore "$AX" "$AY"
    metti_a_fuoco
    puntatore "$AX" "$AY"
    sleep 0.8
    foto "$E2E_TMP/vivo.png"
    ritaglia_client "$E2E_TMP/vivo.png" "$crop"
    xdotool keydown ctrl
    sleep 0.6                        # two ticks see Ctrl: frozen, image submenu enabled
    puntatore $((CX + CW / 2)) $((CY + CH / 2))
    sleep 0.3
    xdotool click 3
    sleep 0.8
    xdotool keyup ctrl
    # "Immagine" is the fourth entry; Right opens it on its first item.
    xdotool key Down Down Down Down Right
    sleep 0.3
    for ((i = 0; i < voce; i++)); do xdotool key Down; done
    xdotool key Return
}

# Types name $1 into the Save As dialog once it is visible.
scrivi_nome() {
    local d
    d=$(timeout 20 xdotool search --sync --onlyvisible --name '^Salva immagine' | head -n1) ||
        fallisci "the Save As dialog did not appear"
    sleep 1                          # keys sent earlier are lost
    xdotool windowfocus --sync "$d" 2>/dev/null || true
    xdotool key alt+n
    xdotool type --delay 30 "$1"
    xdotool key Return
}

# Waits for a message box of the program and prints its text; then closes it.
messaggio() {
    local i testo=""
    for i in $(seq 40); do
        testo=$(cd "$E2E_TMP" && wine "$VITRELO_TOOLS/export_messaggio.exe" 2>/dev/null | tr -d '\r')
        [ -n "$testo" ] && break
        sleep 0.25
    done
    [ -n "$testo" ] || fallisci "no message box appeared"
    local w
    for w in $(xdotool search --onlyvisible --name '^Vitrelo$'); do
        [ "$w" = "$FINESTRA" ] && continue
        xdotool windowfocus --sync "$w" 2>/dev/null || true
        xdotool key Return
    done
    sleep 0.5
    echo "$testo"
}

# Registers export_registratore.exe as the program for .eml files and mailto:
# addresses; what it receives lands in $REGISTRO.
registra_posta() {
    REGISTRO=$E2E_TMP/registro.txt
    local exe log
    exe="Z:$(echo "$VITRELO_TOOLS/export_registratore.exe" | tr / '\\')"
    log="Z:$(echo "$REGISTRO" | tr / '\\')"
    wine reg add 'HKCR\.eml' /ve /d VitreloProvaEml /f >/dev/null 2>&1
    wine reg add 'HKCR\VitreloProvaEml\shell\open\command' /ve /d "\"$exe\" \"$log\" \"%1\"" /f >/dev/null 2>&1
    wine reg add 'HKCR\mailto' /ve /d 'URL:MailTo Protocol' /f >/dev/null 2>&1
    wine reg add 'HKCR\mailto' /v 'URL Protocol' /d '' /f >/dev/null 2>&1
    wine reg add 'HKCR\mailto\shell\open\command' /ve /d "\"$exe\" \"$log\" \"%1\"" /f >/dev/null 2>&1
}

# The Linux path of Wine's temporary folder.
cartella_temp_wine() {
    echo "$WINEPREFIX/drive_c/users/$(id -un)/Temp"
}

# The message file the program must write for attachment $1 (a Linux path) whose
# Windows name ends in SnapShotVitrelo.jpg, built line by line from the layout.
eml_atteso() {
    local q='"'
    {
        printf 'From: <>\n'
        printf 'Subject: Invio SnapShot Vitrelo\n'
        printf 'MIME-Version: 1.0\n'
        printf 'Content-Type: multipart/mixed;\n'
        printf '    boundary=%s----=_NextPart_%s\n' "$q" "$q"
        printf 'X-Priority:-1 \n'
        printf 'X-Unsent: 1\n\n'
        printf -- '------=_NextPart_\n'
        printf 'Content-Type: text/plain;\n'
        printf '    charset=%siso-8859-1%s\n' "$q" "$q"
        printf 'Content-Transfer-Encoding: quoted-printable\n\n\n\n\n'
        printf -- '------=_NextPart_\n'
        printf 'Content-Type: application/octet-stream; name=%sSnapShotVitrelo.jpg%s\n' "$q" "$q"
        printf 'Content-Transfer-Encoding: base64\n'
        printf 'Content-Disposition: attachment; filename=%sSnapShotVitrelo.jpg%s\n\n' "$q" "$q"
        base64 -w 68 "$1"
        printf '\n------=_NextPart_--\n\n.\n\n'
    } | sed 's/$/\r/'
}
