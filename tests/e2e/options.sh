#!/usr/bin/env bash
# The settings file read at start (Zoom=4, millimetres, a calibration of 127 ppi read by
# "Dimensioni X-Y") and rewritten by "Chiudi" (Zoom in place, the other keys after it); "Immagine" on a picture frozen with Ctrl: "Salva" as a BMP, then over it ("No"
# keeps it), "Invia immagine per posta" through the message file (the JPEG near the frozen
# picture), window_probe.exe standing in for the mail program, with a temporary folder whose name
# holds a blank, "&" and "%", then none (a message); " .5 x", "  6 x", "Griglia", "Inverti colori";
# Lingua=auto Italian under an Italian Wine, then "English": Save As, a message, the millimetres
# with a decimal point, the information box.
# Throughout, DLLs planted beside the program under system DLLs' names are never loaded.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ODD_TEMP='Vitrelo & co 100%'
TEMP_WINE=$WINEPREFIX/drive_c/users/$(id -un)/Temp/$ODD_TEMP
EML=$TEMP_WINE/VitreloImage.eml JPG=$TEMP_WINE/SnapShotVitrelo.jpg RECORD_LOG=$E2E_TMP/record.txt
rm -rf "$TEMP_WINE" && mkdir -p "$TEMP_WINE"

start_xvfb
# Both registry views: `wine reg` is 32-bit once wine32 is installed, the program may not be.
reg_both_views() { for v in 32 64; do wine reg "$@" /reg:$v /f >/dev/null 2>&1 || true; done; }
recorder="\"Z:${VITRELO_TOOLS//\//\\}\\window_probe.exe\" record \"Z:${RECORD_LOG//\//\\}\" \"%1\""
reg_both_views add 'HKCR\.eml' /ve /d VitreloTestEml
reg_both_views add 'HKCR\VitreloTestEml\shell\open\command' /ve /d "$recorder"
show_screen_picture
mkdir -p "$E2E_TMP/prog"
printf '[Opzioni]\r\nZoom=4\r\nUnitaMisura=mm\r\nLingua=auto\r\n[Calibrazione]\r\n\\\\.\\DISPLAY1=127\r\n' >"$E2E_TMP/prog/Vitrelo.ini"
# Each planted DLL leaves NAME.dll.loaded once loaded (rundll32 shows it on a copy). Told "n,b",
# Wine looks in the program's folder first, as Windows does for DLLs that are no known DLLs.
# version.dll is left out: Wine's own user32 imports it, Windows' does not (check_pe.sh shows
# that the program does not import it).
# They are built for the program's architecture: a loader skips a DLL of the other one.
for dll in winmm gdiplus control; do cp "$PROGRAM_BUILD/planted_dll.dll" "$E2E_TMP/prog/$dll.dll"; done
system=system32 && [ "$VITRELO_WINE_ARCH" = 32 ] && system=syswow64
wine "C:\\windows\\$system\\rundll32.exe" "Z:${E2E_TMP//\//\\}\\prog\\control.dll,Touch"
[ -f "$E2E_TMP/prog/control.dll.loaded" ] || fail "the planted DLL left no mark when loaded"
rm "$E2E_TMP/prog/control.dll"*
temp_folder() { for v in TEMP TMP; do reg_both_views add 'HKCU\Environment' /v $v /d "C:\\users\\$(id -un)\\Temp$1"; done; }
temp_folder "\\$ODD_TEMP"   # for the programs started from now on
# Wine's display language follows the locale it starts in.
LC_ALL=it_IT.UTF-8 WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm,gdiplus=n,b" start_vitrelo
temp_folder ""
if ((WX > 512)); then ax=200 ay=380; else ax=800 ay=380; fi
ZOOM=4   # the settings file's: the first live picture below is at 4x
step "Zoom=4 read, Lingua=auto in Italian; \"Salva\" as picture.bmp"
save_as_picture picture.bmp
expect_message "Immagine salvata!"
bmp=$PROG_DIR/picture.bmp
convert "$bmp" "$E2E_TMP/picture_bmp.png"
n=$(pixel_difference "$E2E_TMP/frozen.png" "$E2E_TMP/picture_bmp.png")
[ "$n" = 0 ] || fail "the BMP differs from the frozen picture in $n pixels"
step "\"Salva\" over picture.bmp asks first; \"No\" keeps the file"
cp "$bmp" "$E2E_TMP/before.bmp"
save_as_picture picture.bmp
wait_for 15 "no question before replacing picture.bmp" eval 'window_probe texts "Salva immagine" | grep -qx "&No"'
for w in $(xdotool search --onlyvisible --name '^Salva immagine'); do
    xdotool windowfocus --sync "$w" key n 2>/dev/null || true
done
wait_for 15 "the question did not go away" eval '! window_probe texts "Salva immagine" | grep -qx "&No"'
# "Annulla", bottom right. Without a window manager a click that comes with the pointer's first
# motion over a window only activates it: move first, then click.
eval "$(xdotool getwindowgeometry --shell "$(_other_windows | head -n1)")"
xdotool mousemove $((X + WIDTH - 45)) $((Y + HEIGHT - 18)) sleep 0.4 click 1
wait_for 10 "the Save As dialog did not close" _no_other_window
cmp "$E2E_TMP/before.bmp" "$bmp" || fail "picture.bmp changed although the answer was No"
step "\"Dimensioni X-Y\" in millimetres of the calibration read (127 ppi: 5 pixels a millimetre)"
menu_choose measure
measure_reads "$ax" "$ay" 50 -25 " X 10   Y 5 mm"
menu_choose measure
step "Windows Mail: the message file"
reg_both_views add 'HKLM\Software\Clients\Mail' /ve /d 'Windows Mail'
image_command image_mail
wait_for 15 "the mail program was not handed VitreloImage.eml" grep -qs VitreloImage.eml "$RECORD_LOG"
[ "$(identify -format '%m %w %h' "$JPG")" = "JPEG $CW $CH" ] || fail "mail picture: $(identify "$JPG")"
# Lossy, yet near the frozen picture: above 20 dB (here 26; swapped channels, a flip, a shift: 9-18).
psnr=$(compare -metric PSNR "$E2E_TMP/frozen.png" "$JPG" null: 2>&1) || true
((${psnr%%.*} >= 20)) || fail "the mailed JPEG is not the frozen picture (PSNR $psnr dB)"
golden=$E2E_DIR/../golden/export_mail_image.eml
{ sed '/^SGVsbG8=/,$d' "$golden"; base64 -w 68 "$JPG" | sed 's/$/\r/'; sed '1,/^SGVsbG8=/d' "$golden"; } |
    cmp - "$EML" || fail "VitreloImage.eml is not the golden message with the JPEG"
step "No program for the message file: the mail says it failed"
reg_both_views delete 'HKCR\.eml'
image_command image_mail
expect_message "Impossibile inviare l'immagine!"
reg_both_views delete 'HKLM\Software\Clients\Mail'
step "\" .5 x\""
menu_choose zoom_0.5x
ZOOM=0.5
wait_for_live_picture 0 0
step "\"  6 x\" with \"Griglia\", then \"Inverti colori\" under the grid"
menu_choose zoom_6x
ZOOM=6
wait_for_live_picture "$ax" "$ay"
menu_choose grid
GRID=6
wait_for_live_picture "$ax" "$ay"
menu_choose invert
INVERTED=1
wait_for_live_picture "$ax" "$ay"
step "\"English\": the Save As dialog, a message, millimetres and the information box in English"
menu_choose language_en
save_as_picture picture.gif "Save image: type the file name and choose the format"
expect_message "Invalid file format!"
menu_choose measure
measure_reads "$ax" "$ay" 53 -26 " X 10.6   Y 5.2 mm"
menu_choose about
wait_for 10 "the information box is not in English" eval 'window_probe texts Vitrelo | grep -x "  Version 3.0.0" >/dev/null'
xdotool windowfocus --sync "$(_other_windows | head -n1)" key Return
wait_for 10 "the information box did not close" _no_other_window
step "Alt+F4 ends the program as \"Chiudi\" does, the options saved"
focus_window && xdotool key alt+F4
wait_for 10 "the program did not end after Alt+F4" _ended
printf '[Opzioni]\r\nZoom=5\r\nUnitaMisura=mm\r\nLingua=en\r\nRefresh=2\r\nInvertiColori=-1\r\n[Calibrazione]\r\n\\\\.\\DISPLAY1=127.0\r\n' |
    cmp - "$PROG_DIR/Vitrelo.ini" ||
    fail "settings file: $(xxd "$PROG_DIR/Vitrelo.ini")"
loaded=$(ls "$PROG_DIR"/*.loaded 2>/dev/null) && fail "DLLs taken from the program's folder: $loaded"
echo OK
