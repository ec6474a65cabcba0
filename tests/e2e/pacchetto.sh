#!/usr/bin/env bash
# The downloadable archive: scripts/package builds both zips; the 64-bit one, unpacked into a
# fresh folder, holds the program, the help and LEGGIMI.txt, and the program shows the live
# picture pixel for pixel from there.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
radice=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

bash "$radice/scripts/package" >"$E2E_TMP/package.log" 2>&1 ||
    fallisci "scripts/package failed: $(tail -5 "$E2E_TMP/package.log")"
for arch in win32 win64; do
    z=$radice/dist/Vitrelo-3.00-$arch.zip
    [ -s "$z" ] || fallisci "missing $z"
    elenco=$(unzip -Z1 "$z" | sort | tr '\n' ' ')
    [ "$elenco" = "Vitrelo/ Vitrelo/LEGGIMI.txt Vitrelo/Vitrelo.chm Vitrelo/Vitrelo.exe " ] ||
        fallisci "$arch archive holds: $elenco"
done
unzip -q "$radice/dist/Vitrelo-3.00-win64.zip" -d "$E2E_TMP/scompattato"
PROG_DIR=$E2E_TMP/scompattato/Vitrelo
unzip -p "$radice/dist/Vitrelo-3.00-win32.zip" Vitrelo/Vitrelo.exe >"$E2E_TMP/win32.exe"
objdump -f "$E2E_TMP/win32.exe" | grep -q 'pei-i386' || fallisci "the win32 archive's program is not 32-bit"

avvia_xvfb
mostra_schermo
(cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
VITRELO_PID=$!
_pids+=("$VITRELO_PID")
attendi_avvio
geometria
x=150 y=600
rettangolo_cattura $x $y
puntatore $x $y
sleep 0.8
foto "$E2E_TMP/foto.png"
atteso "$E2E_TMP/foto.png" $x $y "$E2E_TMP/atteso.png"
ritaglia_client "$E2E_TMP/foto.png" "$E2E_TMP/visto.png"
n=$(differenza "$E2E_TMP/atteso.png" "$E2E_TMP/visto.png")
[ "$n" = 0 ] || fallisci "live picture from the unpacked program differs in $n pixels"
echo "OK: both archives complete; the unpacked program shows the live picture"
