#!/usr/bin/env bash
# Live picture at 2x: for pointers in the middle of the screen and at its corners the client
# area equals ImageMagick's nearest-neighbour 2x scale of the capture rectangle, pixel for
# pixel (the corners check that the rectangle is pushed back onto the screen).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_tutto
passo "window $WX,$WY ${WW}x$WH, client $CX,$CY ${CW}x$CH"
((CW > 0 && CH > 0)) || fallisci "empty client area"

controllati=0
angoli=0
for p in "0 0" "1023 767" "1023 0" "0 767" "700 500" "150 600" "512 100" "900 300"; do
    read -r x y <<<"$p"
    rettangolo_cattura "$x" "$y"
    # A rectangle over the magnifier itself would show the magnifier: not comparable.
    if tocca_finestra "$SX" "$SY" "$SW" "$SH" || tocca_finestra "$x" "$y" 1 1; then
        passo "pointer $x,$y: capture $SX,$SY ${SW}x$SH overlaps the window, skipped"
        continue
    fi
    puntatore "$x" "$y"
    sleep 0.8   # several 100 ms ticks
    foto "$E2E_TMP/foto_${x}_$y.png"
    atteso "$E2E_TMP/foto_${x}_$y.png" "$x" "$y" "$E2E_TMP/atteso_${x}_$y.png"
    ritaglia_client "$E2E_TMP/foto_${x}_$y.png" "$E2E_TMP/visto_${x}_$y.png"
    n=$(differenza "$E2E_TMP/atteso_${x}_$y.png" "$E2E_TMP/visto_${x}_$y.png")
    passo "pointer $x,$y: capture $SX,$SY ${SW}x$SH, differing pixels $n"
    [ "$n" = 0 ] || fallisci "picture for pointer $x,$y differs in $n pixels"
    controllati=$((controllati + 1))
    case "$x,$y" in 0,0 | 1023,767 | 1023,0 | 0,767) angoli=$((angoli + 1)) ;; esac
done
((controllati >= 4 && angoli >= 2)) || fallisci "too few points checked ($controllati, corners $angoli)"
echo "OK: $controllati pointer positions, $angoli corners"
