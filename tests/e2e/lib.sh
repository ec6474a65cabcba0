# shellcheck shell=bash
# Helpers of the end-to-end scenarios (sourced). Each runs the real Vitrelo.exe under Wine on
# its own Xvfb display, drives it as a user does (the window titled "Vitrelo", its right-click
# menu, keys, the tray icon, files) and looks at it through screenshots. Every wait polls a
# condition up to a time limit, then fails saying what did not happen. CTest sets (the defaults
# let a scenario run by hand): E2E_DISPLAY_N (display VITRELO_DISPLAY_BASE, else
# E2E_DISPLAY_BASE, plus this; or E2E_DISPLAY outright), E2E_TMP (scratch, emptied), E2E_CACHE
# (shared), VITRELO_EXE (the program under test), VITRELO_TOOLS (the helper programs).
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
_radice=$(cd "$E2E_DIR/../.." && pwd)
: "${E2E_DISPLAY:=:$((${VITRELO_DISPLAY_BASE:-${E2E_DISPLAY_BASE:-20}} + ${E2E_DISPLAY_N:-21}))}"
: "${E2E_TMP:=/tmp/vitrelo-e2e-$(basename "$0" .sh)}"
: "${E2E_CACHE:=$_radice/build/native/e2e}"
: "${VITRELO_EXE:=$_radice/dist/win32/Vitrelo.exe}"
: "${VITRELO_TOOLS:=$_radice/build/win64}"
: "${WINEPREFIX:=$_radice/build/wineprefix}" "${HOME:=$_radice/build/winehome}"
export WINEPREFIX HOME WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
: "${SCHERMO_W:=1024}" "${SCHERMO_H:=768}"
ZOOM=2      # the program starts at 2x; a scenario sets what it chooses (0.5 for " .5 x")
NEGATIVO=   # 1 once "Inverti colori" is on

rm -rf "$E2E_TMP" && mkdir -p "$E2E_TMP" "$E2E_CACHE"

_pids=()
_fine() {
    local rc=$? i
    ((rc == 0)) || import -window root "$E2E_TMP/fallito.png" 2>/dev/null || true
    for ((i = ${#_pids[@]} - 1; i >= 0; i--)); do kill "${_pids[i]}" 2>/dev/null || true; done
    # This prefix's wineserver holds the single-instance mutex and the desktop bound to this
    # display: it must not outlive the scenario.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    for i in "${_pids[@]}"; do wait "$i" 2>/dev/null || true; done
    ((rc == 0)) || echo "FAILED ($rc); screenshots and logs are in $E2E_TMP" >&2
    exit "$rc"
}
trap _fine EXIT

fallisci() { echo "FAIL: $*" >&2 && exit 1; }
passo() { echo "--- $*"; }

# attendi SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds; after SECONDS
# fails with WHAT, and with ULTIMO when the command left there what it saw last.
attendi() {
    local secondi=$1 cosa=$2 limite=$((SECONDS + $1))
    shift 2
    ULTIMO=
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
    attendi 10 "Xvfb $E2E_DISPLAY did not answer" _x_pronto
}
_x_pronto() {
    xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "${_pids[-1]}" 2>/dev/null || fallisci "Xvfb $E2E_DISPLAY ended: $(cat "$E2E_TMP/xvfb.log")"
    return 1
}

# Puts the known picture on the root window, before the program starts: without a window
# manager a window mapped later would cover the magnifier. Every pixel differs from its eight
# neighbours in some channel, so a picture off by one pixel never matches.
mostra_schermo() {
    SCHERMO=$E2E_CACHE/schermo_${SCHERMO_W}x$SCHERMO_H.png
    [ -s "$SCHERMO" ] || python3 -c 'import sys; w, h = map(int, sys.argv[1:]); sys.stdout.buffer.write(
        bytes(c for y in range(h) for x in range(w) for c in ((x * 7 + y * 3) & 255,
        ((x * 5) ^ (y * 11)) & 255, ((x // 3) * (y // 5) + x + 2 * y) & 255)))' "$SCHERMO_W" "$SCHERMO_H" |
        convert -size "${SCHERMO_W}x$SCHERMO_H" -depth 8 rgb:- "$SCHERMO"
    display -window root "$SCHERMO" || true   # exits with 1 even when the picture is set
    import -window root "$E2E_TMP/sfondo.png"
    [ "$(differenza "$SCHERMO" "$E2E_TMP/sfondo.png")" = 0 ] || fallisci "the test picture is not on the screen"
}

# Starts the program in folder $1 (by default a new one with a copy of VITRELO_EXE) and waits
# for the end of its start-up show: the window is enabled once the timer runs. Sets
# VITRELO_PID (wine's process), PROG_DIR, FINESTRA (the X window) and the geometry.
avvia_vitrelo() {
    PROG_DIR=${1:-$E2E_TMP/prog}
    mkdir -p "$PROG_DIR"
    [ -f "$PROG_DIR/Vitrelo.exe" ] || cp "$VITRELO_EXE" "$PROG_DIR/Vitrelo.exe"
    # A wineserver still going away (an earlier scenario's, or the one of `wine reg`) would
    # take this start too and be gone under it.
    wineserver -w 2>/dev/null || true
    (cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
    VITRELO_PID=$!
    _pids+=("$VITRELO_PID")
    attendi 30 "the Vitrelo window did not appear" _finestra_visibile
    attendi 15 "the start-up show did not end (the window stays disabled)" _abilitata
}
_finestra_visibile() {
    FINESTRA=$(xdotool search --onlyvisible --name '^Vitrelo$' 2>/dev/null | head -n1)
    [ -n "$FINESTRA" ] && return 0
    ULTIMO="the program runs; its output: $(tail -n 30 "$E2E_TMP/vitrelo.log")"
    kill -0 "$VITRELO_PID" 2>/dev/null || fallisci "the program ended without a window; ${ULTIMO#* runs; }"
    return 1
}
_abilitata() { geometria && [ "$ABILITATA" = 1 ]; }

# The magnifier's Win32 geometry: WX WY WW WH outside, CX CY CW CH the client area, ABILITATA.
geometria() {
    ULTIMO=$(cd "$E2E_TMP" && wine "$VITRELO_TOOLS/finestra.exe" 2>/dev/null | tr -d '\r') || return 1
    read -r WX WY WW WH CX CY CW CH ABILITATA <<<"$ULTIMO"
}
# The texts in the program's dialog boxes whose title begins with $1, one a line.
testi() { (cd "$E2E_TMP" && wine "$VITRELO_TOOLS/finestra.exe" testi "$1" 2>/dev/null | tr -d '\r'); }

puntatore() { xdotool mousemove "$1" "$2"; }
# Wine sees keys only while one of its windows has the X keyboard focus.
metti_a_fuoco() { xdotool windowfocus --sync "$FINESTRA"; }

# Screenshot $E2E_TMP/$1.png, and the magnifier's client area in $E2E_TMP/$1_client.png.
foto() {
    import -window root "$E2E_TMP/$1.png"
    convert "$E2E_TMP/$1.png" -crop "${CW}x${CH}+${CX}+${CY}" +repage "$E2E_TMP/$1_client.png"
}
# Number of differing pixels between two pictures of the same size.
differenza() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    echo "${n%% *}"
}

# The capture rectangle for a pointer at ($1, $2) and the picture CW x CH at ZOOM: SX SY SW SH.
# It takes one more source column or row when the zoom does not divide the picture, and is
# pushed back inside the monitor at its edges: MONITORE="x y w h", the whole screen by default.
rettangolo_cattura() {
    if [ "$ZOOM" = 0.5 ]; then
        SW=$((2 * CW)) SH=$((2 * CH)) SX=$(($1 - CW)) SY=$(($2 - CH))
    else
        SW=$((CW / ZOOM)) SH=$((CH / ZOOM)) SX=$(($1 - CW / 2 / ZOOM)) SY=$(($2 - CH / 2 / ZOOM))
        ((ZOOM * SW < CW)) && SW=$((SW + 1))
        ((ZOOM * SH < CH)) && SH=$((SH + 1))
    fi
    local mx my mw mh
    read -r mx my mw mh <<<"${MONITORE:-0 0 $SCHERMO_W $SCHERMO_H}"
    SX=$((SX < mx ? mx : SX + SW > mx + mw ? mx + mw - SW : SX))
    SY=$((SY < my ? my : SY + SH > my + mh ? my + mh - SH : SY))
}
# What the picture must show for a pointer at ($2, $3), made from screenshot $1 by
# nearest-neighbour scaling (halving, each pixel is the bitwise AND of its 2x2 block, as in
# Wine's default stretch mode); written to $4.
atteso() {
    rettangolo_cattura "$2" "$3"
    local scala=(\( -clone 0 -sample 50% \) \( -clone 0 -roll -1+0 -sample 50% \)
        \( -clone 0 -roll +0-1 -sample 50% \) \( -clone 0 -roll -1-1 -sample 50% \)
        -delete 0 -evaluate-sequence And)
    [ "$ZOOM" = 0.5 ] || scala=(-sample "$((ZOOM * 100))%")
    convert "$1" -crop "${SW}x${SH}+${SX}+${SY}" +repage "${scala[@]}" \
        -crop "${CW}x${CH}+0+0" +repage ${NEGATIVO:+-negate} "$4"
}
# True when the rectangle (x, y, w, h) overlaps the magnifier's outer rectangle.
tocca_finestra() { (($1 < WX + WW && WX < $1 + $3 && $2 < WY + WH && WY < $2 + $4)); }

# Pointer at ($1, $2); waits until the picture is the live one there, with at most $3 and at
# least $4 pixels unlike it (both 0 by default; capture mode draws the pointer and the padlock).
attendi_vista() {
    puntatore "$1" "$2"
    attendi 10 "the picture is not the live one for the pointer at $1,$2" _vista "$@"
}
_vista() {
    foto vista
    atteso "$E2E_TMP/vista.png" "$1" "$2" "$E2E_TMP/vista_atteso.png"
    ULTIMO="$(differenza "$E2E_TMP/vista_atteso.png" "$E2E_TMP/vista_client.png") pixels unlike it"
    ((${ULTIMO%% *} <= ${3:-0} && ${ULTIMO%% *} >= ${4:-0}))
}

# The picture is (_uguale) or is not (_diversa) the client crop $1.
_uguale() {
    foto confronto
    ULTIMO="$(differenza "$1" "$E2E_TMP/confronto_client.png") pixels differ"
    [ "${ULTIMO%% *}" = 0 ]
}
_diversa() { ! _uguale "$1"; }
# The picture stays the client crop $1 over five screenshots, several ticks; else fails with $2.
resta_uguale() { for _i in 1 2 3 4 5; do _uguale "$1" || fallisci "$2 ($ULTIMO)"; done; }

# The program's visible X windows other than the magnifier: menus, boxes, dialogs, the help.
_altre() { xdotool search --onlyvisible --classname '^vitrelo\.exe$' 2>/dev/null | grep -vx "$FINESTRA"; }
_nessuna_altra() { [ -z "$(_altre)" ]; }

# Right-click on the middle of the picture; waits for the command menu, a new window: MENU.
apri_menu() {
    puntatore $((CX + CW / 2)) $((CY + CH / 2))
    _gia_aperte=$(_altre) || true
    xdotool click 3
    attendi 10 "the menu did not open" _menu_aperto
}
_menu_aperto() { MENU=$(_altre | grep -vxF "${_gia_aperte:-none}" | head -n1) && [ -n "$MENU" ]; }
_menu_chiuso() { ! xdotool search --onlyvisible --classname '^vitrelo\.exe$' | grep -x "$MENU" >/dev/null; }
# Presses the keys $@ (xdotool names) in the open menu and waits for it to close.
scegli() { xdotool key "$@" && attendi 10 "the menu did not close after $*" _menu_chiuso; }
# Opens the command menu and chooses with the keys $@, counted with Down from the top (grey
# items count, separators do not): 0 Zoom, 1 Dimensione finestra, 2 Refresh, 3 Immagine,
# 4 Individua colore, 5 Cattura Immagine, 6 Inverti colori, 7 Griglia, 8 Dimensioni X-Y,
# 9 Minimizza, 10 Help, 11 Chiudi; Right opens a submenu on its first item. Wait for the
# command's effect before the next click: one that comes as Wine leaves the menu is lost.
menu() { apri_menu && scegli "$@"; }
giu() { for ((_i = 0; _i < $1; _i++)); do echo Down; done; }

chiudi() { menu Up Return && attendi 10 "the program did not end after \"Chiudi\"" _finito; }
_finito() { ! kill -0 "$VITRELO_PID" 2>/dev/null; }

# Waits for a message box titled "Vitrelo"; sets MESSAGGIO to its text and closes it with Return.
messaggio() {
    attendi 10 "no message box appeared" _messaggio
    xdotool windowfocus --sync "$(_altre | head -n1)" key Return
    attendi 10 "the message box did not close" _nessuna_altra
}
_messaggio() { MESSAGGIO=$(testi Vitrelo | grep -vx OK) && [ -n "$MESSAGGIO" ]; }
