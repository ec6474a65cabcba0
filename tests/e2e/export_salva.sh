#!/usr/bin/env bash
# "Immagine" > "Salva" as a user does it: the frozen picture written as BMP matches it
# pixel for pixel, as JPEG has its size, and "foto.jpeg" is refused without a file.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$E2E_DIR/tools/export_lib.sh"

avvia_tutto
punto_libero

passo "save as foto.bmp"
comando_immagine "$E2E_TMP/fermo_bmp.png" 1
scrivi_nome foto.bmp
testo=$(messaggio)
[ "$testo" = "Immagine salvata!" ] || fallisci "message after the BMP save: '$testo'"
[ -f "$PROG_DIR/foto.bmp" ] || fallisci "foto.bmp was not written in the program's folder"
convert "$PROG_DIR/foto.bmp" "$E2E_TMP/foto_bmp.png"
n=$(differenza "$E2E_TMP/fermo_bmp.png" "$E2E_TMP/foto_bmp.png")
[ "$n" = 0 ] || fallisci "the BMP differs from the frozen picture ($n pixels)"
[ "$(identify -format '%z' "$PROG_DIR/foto.bmp")" = 8 ] || fallisci "the BMP is not 8 bits per channel"

passo "save as foto.jpg"
sleep 0.8
comando_immagine "$E2E_TMP/fermo_jpg.png" 1
scrivi_nome foto.jpg
testo=$(messaggio)
[ "$testo" = "Immagine salvata!" ] || fallisci "message after the JPEG save: '$testo'"
[ -f "$PROG_DIR/foto.jpg" ] || fallisci "foto.jpg was not written"
[ "$(identify -format '%m %w %h' "$PROG_DIR/foto.jpg")" = "JPEG $CW $CH" ] ||
    fallisci "foto.jpg: $(identify "$PROG_DIR/foto.jpg")"

passo "foto.jpeg is refused"
sleep 0.8
comando_immagine "$E2E_TMP/fermo_jpeg.png" 1
scrivi_nome foto.jpeg
testo=$(messaggio)
[ "$testo" = "Formato del file non valido!" ] || fallisci "message for foto.jpeg: '$testo'"
ls "$PROG_DIR" | grep -q jpeg && fallisci "a file was written for foto.jpeg: $(ls "$PROG_DIR")"
echo OK
