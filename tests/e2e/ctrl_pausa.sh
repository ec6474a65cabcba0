#!/usr/bin/env bash
# Holding Ctrl pauses the live picture: it stops following the pointer while the key is down
# (kept down over many ticks) and follows it again after the release.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_tutto

# Two pointer positions well away from the window, on the side where it is not.
if ((WX > 512)); then ax=150; bx=350; else ax=700; bx=900; fi
ay=250; by=550

puntatore "$ax" "$ay"
metti_a_fuoco
puntatore "$ax" "$ay"
sleep 0.8
foto "$E2E_TMP/a.png"
atteso "$E2E_TMP/a.png" "$ax" "$ay" "$E2E_TMP/a_atteso.png"
ritaglia_client "$E2E_TMP/a.png" "$E2E_TMP/a_client.png"
n=$(differenza "$E2E_TMP/a_atteso.png" "$E2E_TMP/a_client.png")
[ "$n" = 0 ] || fallisci "live picture at A differs before Ctrl ($n pixels)"

passo "Ctrl down"
xdotool keydown ctrl
sleep 0.5            # at least two ticks with the key held
foto "$E2E_TMP/pausa1.png"
ritaglia_client "$E2E_TMP/pausa1.png" "$E2E_TMP/pausa1_client.png"
puntatore "$bx" "$by"
sleep 0.8
foto "$E2E_TMP/pausa2.png"
ritaglia_client "$E2E_TMP/pausa2.png" "$E2E_TMP/pausa2_client.png"
atteso "$E2E_TMP/pausa2.png" "$bx" "$by" "$E2E_TMP/b_atteso.png"
fermo=$(differenza "$E2E_TMP/pausa1_client.png" "$E2E_TMP/pausa2_client.png")
segue=$(differenza "$E2E_TMP/b_atteso.png" "$E2E_TMP/pausa2_client.png")
passo "while Ctrl is held: changed pixels $fermo, pixels unlike the live picture at B $segue"
xdotool keyup ctrl
[ "$fermo" = 0 ] || fallisci "the picture changed while Ctrl was held ($fermo pixels)"
((segue > CW * CH / 2)) || fallisci "the paused picture looks like the live one at B"

passo "Ctrl up"
sleep 0.8
foto "$E2E_TMP/b.png"
ritaglia_client "$E2E_TMP/b.png" "$E2E_TMP/b_client.png"
atteso "$E2E_TMP/b.png" "$bx" "$by" "$E2E_TMP/b_atteso2.png"
n=$(differenza "$E2E_TMP/b_atteso2.png" "$E2E_TMP/b_client.png")
[ "$n" = 0 ] || fallisci "the picture is not live again after releasing Ctrl ($n pixels)"
echo OK
