#!/bin/sh
# Rebuilds the image-export golden files from first principles: the BMP from the
# file format's field definitions, the mail files from the message layout line by
# line, base64 from coreutils. Nothing here runs the program's own code.
set -eu
cd "$(dirname "$0")"

# 3 x 2 pixels, 24 bits. Top row: red, green, blue; bottom row: white, black, 0x123456.
# Rows are stored bottom row first, 9 bytes each padded to 12; pixels as B G R.
{
  printf 'BM'
  printf '\116\000\000\000'        # file size 54 + 24 = 78
  printf '\000\000\000\000'        # reserved
  printf '\066\000\000\000'        # pixel data at 54
  printf '\050\000\000\000'        # BITMAPINFOHEADER size 40
  printf '\003\000\000\000'        # width 3
  printf '\002\000\000\000'        # height 2 (bottom-up)
  printf '\001\000\030\000'        # planes 1, 24 bits per pixel
  printf '\000\000\000\000'        # BI_RGB
  printf '\030\000\000\000'        # image size 24
  printf '\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000'  # resolution, colours
  printf '\377\377\377\000\000\000\126\064\022\000\000\000'   # bottom row + 3 bytes padding
  printf '\000\000\377\000\377\000\377\000\000\000\000\000'   # top row + padding
} > export_3x2.bmp

crlf() { sed 's/$/\r/'; }
Q='"'

# The image mail: every address empty, subject from the hand-off, an attachment
# "C:\Temp\SnapShotVitrelo.jpg" holding the five bytes "Hello".
{
  printf 'From: <>\n'
  printf 'Subject: Invio SnapShot Vitrelo\n'
  printf 'MIME-Version: 1.0\n'
  printf 'Content-Type: multipart/mixed;\n'
  printf '    boundary=%s----=_NextPart_%s\n' "$Q" "$Q"
  printf 'X-Priority:-1 \n'
  printf 'X-Unsent: 1\n'
  printf '\n'
  printf -- '------=_NextPart_\n'
  printf 'Content-Type: text/plain;\n'
  printf '    charset=%siso-8859-1%s\n' "$Q" "$Q"
  printf 'Content-Transfer-Encoding: quoted-printable\n'
  printf '\n'
  printf '\n'
  printf '\n'
  printf '\n'
  printf -- '------=_NextPart_\n'
  printf 'Content-Type: application/octet-stream; name=%sSnapShotVitrelo.jpg%s\n' "$Q" "$Q"
  printf 'Content-Transfer-Encoding: base64\n'
  printf 'Content-Disposition: attachment; filename=%sSnapShotVitrelo.jpg%s\n' "$Q" "$Q"
  printf '\n'
  printf 'Hello' | base64 -w 68
  printf '\n'
  printf -- '------=_NextPart_--\n'
  printf '\n'
  printf '.\n'
  printf '\n'
} | crlf > export_posta_immagine.eml

# Every address present, a body, priority 3, no attachment (no MIME lines, no part).
{
  printf 'From: <io@esempio.it>\n'
  printf 'To: %sa@esempio.it%s\n' "$Q" "$Q"
  printf 'CC: %sb@esempio.it%s\n' "$Q" "$Q"
  printf 'BCC: %sc@esempio.it%s\n' "$Q" "$Q"
  printf 'Subject: Prova\n'
  printf 'X-Priority: 3 \n'
  printf 'X-Unsent: 1\n'
  printf '\n'
  printf -- '------=_NextPart_\n'
  printf 'Content-Type: text/plain;\n'
  printf '    charset=%siso-8859-1%s\n' "$Q" "$Q"
  printf 'Content-Transfer-Encoding: quoted-printable\n'
  printf '\n'
  printf 'Ciao\n'
  printf '\n'
} | crlf > export_posta_indirizzi.eml

# The attachment part alone for the 54 bytes 0..53 of "D:\a b\x.bin": a line of 68
# characters and a line of 4.
{
  printf '\n'
  printf -- '------=_NextPart_\n'
  printf 'Content-Type: application/octet-stream; name=%sx.bin%s\n' "$Q" "$Q"
  printf 'Content-Transfer-Encoding: base64\n'
  printf 'Content-Disposition: attachment; filename=%sx.bin%s\n' "$Q" "$Q"
  printf '\n'
  python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(54)))' | base64 -w 68
  printf '\n'
  printf -- '------=_NextPart_--\n'
  printf '\n'
  printf '.\n'
} | crlf > export_allegato_54.txt
