# shellcheck shell=bash
# Sourced by the scenarios: Vitrelo.exe under Wine on a private Xvfb, driven as a user does, seen
# through screenshots. CTest sets the variables below; the defaults serve a run by hand.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
_radice=$(cd "$E2E_DIR/../.." && pwd)
: "${E2E_DISPLAY:=:$((${VITRELO_DISPLAY_BASE:-${E2E_DISPLAY_BASE:-20}} + ${E2E_DISPLAY_N:-21}))}"
: "${E2E_TMP:=/tmp/vitrelo-e2e-$(basename "$0" .sh)}"
: "${E2E_CACHE:=$_radice/build/native/e2e}" "${VITRELO_TOOLS:=$_radice/build/win64}"
: "${VITRELO_EXE:=$_radice/dist/win32/Vitrelo.exe}" "${SCHERMO_W:=1024}" "${SCHERMO_H:=768}"
: "${WINEPREFIX:=$_radice/build/wineprefix}" "${HOME:=$_radice/build/winehome}"
export WINEPREFIX HOME WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
ZOOM=2      # the program starts at 2x; 0.5 stands for " .5 x"
NEGATIVO=   # 1 once "Inverti colori" is on
GRIGLIA=    # the grid's step once "Griglia" is on: its lines' pixels alternate 0x808080, 0xC0C0C0
rm -rf "$E2E_TMP" && mkdir -p "$E2E_TMP" "$E2E_CACHE"
_pids=()
_fine() {
    local rc=$? i
    ((rc == 0)) || import -window root "$E2E_TMP/fallito.png" 2>/dev/null || true
    for ((i = ${#_pids[@]} - 1; i >= 0; i--)); do kill "${_pids[i]}" 2>/dev/null || true; done
    wineserver -k 2>/dev/null; wineserver -w 2>/dev/null || true
    for i in "${_pids[@]}"; do wait "$i" 2>/dev/null || true; done
    ((rc == 0)) || echo "FAILED ($rc); screenshots and logs are in $E2E_TMP" >&2
    exit "$rc"
}
trap _fine EXIT
fallisci() { echo "FAIL: $*" >&2 && exit 1; }
passo() { echo "--- $*"; }
# attendi SECONDS WHAT COMMAND...: polls COMMAND; fails with WHAT and ULTIMO (what it saw last).
attendi() {
    local secondi=$1 cosa=$2 limite=$((SECONDS + $1)) && shift 2 && ULTIMO=
    until "$@"; do
        ((SECONDS < limite)) || fallisci "$cosa (waited $secondi s)${ULTIMO:+; last seen: $ULTIMO}"
        sleep 0.1
    done
}
avvia_xvfb() {
    Xvfb "$E2E_DISPLAY" -screen 0 "${SCHERMO_W}x${SCHERMO_H}x24" -nolisten tcp -noreset \
        >"$E2E_TMP/xvfb.log" 2>&1 &
    _pids+=($!)
    export DISPLAY=$E2E_DISPLAY
    attendi 10 "Xvfb $E2E_DISPLAY did not answer" eval 'xdpyinfo >/dev/null 2>&1'
}
# The root picture, set before the program starts (a window mapped later would cover it); every
# pixel differs from its eight neighbours, so a picture off by one pixel never matches.
mostra_schermo() {
    SCHERMO=$E2E_CACHE/schermo_${SCHERMO_W}x$SCHERMO_H.png
    [ -s "$SCHERMO" ] || python3 -c 'import sys; w, h = map(int, sys.argv[1:]); sys.stdout.buffer.write(
        bytes(c for y in range(h) for x in range(w) for c in ((x * 7 + y * 3) & 255,
        ((x * 5) ^ (y * 11)) & 255, ((x // 3) * (y // 5) + x + 2 * y) & 255)))' "$SCHERMO_W" "$SCHERMO_H" |
        convert -size "${SCHERMO_W}x$SCHERMO_H" -depth 8 rgb:- "$SCHERMO"
    display -window root "$SCHERMO" || true   # exits with 1 even when the picture is set
    import -window root "$E2E_TMP/sfondo.png" && [ "$(differenza "$SCHERMO" "$E2E_TMP/sfondo.png")" = 0 ] || fallisci "the test picture is not on the screen"
}
# Starts the program in folder $1 (default: a copy of VITRELO_EXE) and waits for the end of its
# start-up show. Sets VITRELO_PID, PROG_DIR, FINESTRA (the X window) and the geometry.
avvia_vitrelo() {
    PROG_DIR=${1:-$E2E_TMP/prog}
    mkdir -p "$PROG_DIR"
    [ -f "$PROG_DIR/Vitrelo.exe" ] || cp "$VITRELO_EXE" "$PROG_DIR/Vitrelo.exe"
    # A wineserver still going away (that of `wine reg`) would take this start down with it.
    wineserver -w 2>/dev/null || true
    (cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
    VITRELO_PID=$!
    _pids+=("$VITRELO_PID")
    attendi 30 "the Vitrelo window did not appear" _finestra_visibile
    attendi 15 "the start-up show did not end (the window stays disabled)" eval 'geometria && [ "$ABILITATA" = 1 ]'
}
_finestra_visibile() {
    FINESTRA=$(xdotool search --onlyvisible --name '^Vitrelo$' 2>/dev/null | head -n1)
    [ -n "$FINESTRA" ] && return 0
    ULTIMO="its output: $(tail -n 30 "$E2E_TMP/vitrelo.log")"
    kill -0 "$VITRELO_PID" 2>/dev/null || fallisci "the program ended without a window; $ULTIMO"
    return 1
}
finestra() { (cd "$E2E_TMP" && wine "$VITRELO_TOOLS/finestra.exe" "$@" 2>/dev/null | tr -d '\r'); }
geometria() { ULTIMO=$(finestra) && read -r WX WY WW WH CX CY CW CH ABILITATA <<<"$ULTIMO"; }  # outer, client
# The outer rectangle is "$1" (x y w h) for Win32 and for X.
_rettangolo() {
    geometria && eval "$(xdotool getwindowgeometry --shell "$FINESTRA")" || return 1
    ULTIMO="Win32 $WX $WY $WW $WH, X $X $Y $WIDTH $HEIGHT"
    [ "$WX $WY $WW $WH" = "$1" ] && [ "$X $Y $WIDTH $HEIGHT" = "$1" ]
}
# Drags the window by ($1, $2) at a hand's pace: Wine's move loop follows pointer motion.
trascina() {
    local px=$((CX + CW / 2)) py=$((CY + CH / 2)) f
    xdotool mousemove "$px" "$py" mousedown 1
    for f in 1 2 3 4 5 6; do sleep 0.1 && xdotool mousemove $((px + $1 * f / 6)) $((py + $2 * f / 6)); done
    xdotool mouseup 1
}
metti_a_fuoco() { xdotool windowfocus --sync "$FINESTRA"; }
# Screenshot $E2E_TMP/$1.png, and the magnifier's client area in $E2E_TMP/$1_client.png.
foto() { import -window root "$E2E_TMP/$1.png" &&
    convert "$E2E_TMP/$1.png" -crop "${CW}x${CH}+${CX}+${CY}" +repage "$E2E_TMP/$1_client.png"; }
differenza() { local n; n=$(compare -metric AE "$1" "$2" null: 2>&1) || true; echo "${n%% *}"; }  # pixels
# The capture rectangle SX SY SW SH for the pointer at ($1, $2), inside MONITORE="x y w h".
rettangolo_cattura() {
    if [ "$ZOOM" = 0.5 ]; then
        SW=$((2 * CW)) SH=$((2 * CH)) SX=$(($1 - CW)) SY=$(($2 - CH))
    else
        SW=$((CW / ZOOM)) SH=$((CH / ZOOM)) SX=$(($1 - CW / 2 / ZOOM)) SY=$(($2 - CH / 2 / ZOOM))
        SW=$((SW + (ZOOM * SW < CW))) SH=$((SH + (ZOOM * SH < CH)))
    fi
    local mx my mw mh && read -r mx my mw mh <<<"${MONITORE:-0 0 $SCHERMO_W $SCHERMO_H}"
    SX=$((SX < mx ? mx : SX + SW > mx + mw ? mx + mw - SW : SX))
    SY=$((SY < my ? my : SY + SH > my + mh ? my + mh - SH : SY))
}
# The expected picture $4 for the pointer at ($2, $3) from screenshot $1 (halving: the AND of each
# 2x2 block, as Wine's default stretch mode does), the grid drawn over it.
atteso() {
    rettangolo_cattura "$2" "$3"
    local scala=(\( -clone 0 -sample 50% \) \( -clone 0 -roll -1+0 -sample 50% \)
        \( -clone 0 -roll +0-1 -sample 50% \) \( -clone 0 -roll -1-1 -sample 50% \)
        -delete 0 -evaluate-sequence And)
    [ "$ZOOM" = 0.5 ] || scala=(-sample "$((ZOOM * 100))%")
    local g=$GRIGLIA griglia=() && [ -z "$g" ] || griglia=(-fx "(i%$g==0||j%$g==0) ? (128+64*((i+j)%2))/255 : u")
    convert "$1" -crop "${SW}x${SH}+${SX}+${SY}" +repage "${scala[@]}" \
        -crop "${CW}x${CH}+0+0" +repage ${NEGATIVO:+-negate} "${griglia[@]}" "$4"
}
tocca_finestra() { (($1 < WX + WW && WX < $1 + $3 && $2 < WY + WH && WY < $2 + $4)); }
# Waits for the live picture of the pointer at ($1, $2), with from $4 to $3 pixels unlike it
# (0 by default; capture mode draws the pointer and the padlock).
attendi_vista() {
    xdotool mousemove "$1" "$2"
    attendi 10 "the picture is not the live one for the pointer at $1,$2" _vista "$@"
}
_vista() {
    foto vista
    atteso "$E2E_TMP/vista.png" "$1" "$2" "$E2E_TMP/vista_atteso.png"
    ULTIMO="$(differenza "$E2E_TMP/vista_atteso.png" "$E2E_TMP/vista_client.png") pixels unlike it"
    ((${ULTIMO%% *} <= ${3:-0} && ${ULTIMO%% *} >= ${4:-0}))
}
# The picture is (_uguale) or is not (_diversa) the client crop $1.
_uguale() { foto confronto && ULTIMO="$(differenza "$1" "$E2E_TMP/confronto_client.png") pixels differ" &&
    [ "${ULTIMO%% *}" = 0 ]; }
_diversa() { ! _uguale "$1"; }
# The program's other visible X windows: menus, boxes, dialogs, the help.
_altre() { xdotool search --onlyvisible --classname '^vitrelo\.exe$' 2>/dev/null | grep -vx "$FINESTRA"; }
_nessuna_altra() { [ -z "$(_altre)" ]; }
# Right-click on the middle of the picture, or the keys $1 where the pointer is; waits for the
# menu, a new window: MENU.
apri_menu() {
    _gia_aperte=$(_altre) || true
    if (($#)); then metti_a_fuoco && xdotool key "$1"
    else xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 3; fi
    attendi 10 "the menu did not open" _menu_aperto
}
_menu_aperto() { MENU=$(_altre | grep -vxF "${_gia_aperte:-none}" | head -n1) && [ -n "$MENU" ]; }
_menu_chiuso() { ! xdotool search --onlyvisible --classname '^vitrelo\.exe$' | grep -x "$MENU" >/dev/null; }
scegli() { xdotool key "$@" && attendi 10 "the menu did not close after $*" _menu_chiuso; }
# Items by Down from the top: 0 Zoom, 1 Dimensione finestra, 2 Refresh, 3 Immagine, 4 Individua
# colore, 5 Cattura, 6 Inverti, 7 Griglia, 8 X-Y, 9 Minimizza, 10 Help, 11 Chiudi. Wait for the
# effect before the next click: one that comes as Wine leaves the menu is lost.
menu() { apri_menu && scegli "$@"; }
giu() { for ((_i = 0; _i < $1; _i++)); do echo Down; done; }
chiudi() { menu Up Return && attendi 10 "the program did not end after \"Chiudi\"" _finito; }
_finito() { ! kill -0 "$VITRELO_PID" 2>/dev/null; }
