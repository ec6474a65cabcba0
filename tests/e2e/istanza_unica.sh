#!/usr/bin/env bash
# A second start ends at once and silently; the first instance keeps running and showing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
mostra_schermo
avvia_vitrelo
attendi_avvio

inizio=$(date +%s%N)
rc=0
(cd "$PROG_DIR" && timeout 15 wine Vitrelo.exe) >"$E2E_TMP/seconda.log" 2>&1 || rc=$?
ms=$((($(date +%s%N) - inizio) / 1000000))
passo "second start ended after $ms ms with code $rc"
((rc != 124)) || fallisci "the second instance did not end"
((ms < 5000)) || fallisci "the second instance took $ms ms to end"

kill -0 "$VITRELO_PID" 2>/dev/null || fallisci "the first instance has gone"
n=$(xdotool search --onlyvisible --name '^Vitrelo$' | wc -l)
[ "$n" = 1 ] || fallisci "$n visible Vitrelo windows, expected 1"
geometria || fallisci "finestra.exe no longer finds exactly one window"
echo OK
