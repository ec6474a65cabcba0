#!/usr/bin/env bash
# Pointer over the magnifier itself: the live picture is blanked to white, and it shows the
# screen again once the pointer leaves.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_tutto

bianco=$E2E_TMP/bianco.png
convert -size "${CW}x$CH" xc:white "$bianco"
for p in "$((CX + CW / 2)) $((CY + CH / 2))" "$((CX + 3)) $((CY + 3))" "$((CX + CW - 2)) $((CY + CH - 2))"; do
    read -r x y <<<"$p"
    puntatore "$x" "$y"
    sleep 0.8
    foto "$E2E_TMP/sopra.png"
    ritaglia_client "$E2E_TMP/sopra.png" "$E2E_TMP/sopra_client.png"
    n=$(differenza "$bianco" "$E2E_TMP/sopra_client.png")
    passo "pointer $x,$y over the window: non-white pixels $n"
    [ "$n" = 0 ] || fallisci "picture not white with the pointer over the window at $x,$y ($n pixels)"
done

# Leaving the window brings the live picture back.
x=$(( WX > 512 ? 100 : 900 )); y=384
puntatore "$x" "$y"
sleep 0.8
foto "$E2E_TMP/fuori.png"
atteso "$E2E_TMP/fuori.png" "$x" "$y" "$E2E_TMP/fuori_atteso.png"
ritaglia_client "$E2E_TMP/fuori.png" "$E2E_TMP/fuori_client.png"
n=$(differenza "$E2E_TMP/fuori_atteso.png" "$E2E_TMP/fuori_client.png")
[ "$n" = 0 ] || fallisci "live picture did not come back after leaving the window ($n pixels)"
echo OK
