# shellcheck shell=bash
# Helpers for the end-to-end scenarios (sourced). Each scenario runs the real Vitrelo.exe under
# Wine on its own Xvfb display, drives it with xdotool and looks at it through screenshots.
#
# CTest sets (see tests/CMakeLists.txt); the defaults let a scenario run by hand:
#   E2E_DISPLAY_N this scenario's display: VITRELO_DISPLAY_BASE (else E2E_DISPLAY_BASE, the
#                 build's default) plus this number; or E2E_DISPLAY, the display itself
#   E2E_TMP       scratch folder of this scenario (emptied at start)
#   E2E_CACHE     folder shared by the scenarios (the generated screen picture)
#   VITRELO_EXE   the program under test, the shipped 32-bit one
#   VITRELO_TOOLS folder with finestra.exe
#   WINEPREFIX, HOME, WINEDEBUG, WINEDLLOVERRIDES
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
_radice=$(cd "$E2E_DIR/../.." && pwd)
: "${E2E_DISPLAY:=:$((${VITRELO_DISPLAY_BASE:-${E2E_DISPLAY_BASE:-20}} + ${E2E_DISPLAY_N:-21}))}"
: "${E2E_TMP:=/tmp/vitrelo-e2e-$(basename "$0" .sh)}"
: "${E2E_CACHE:=$_radice/build/native/e2e}"
: "${VITRELO_EXE:=$_radice/dist/win32/Vitrelo.exe}"
: "${VITRELO_TOOLS:=$_radice/build/win64}"
: "${WINEPREFIX:=$_radice/build/wineprefix}"
: "${HOME:=$_radice/build/winehome}"
export WINEPREFIX HOME WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

SCHERMO_W=1024   # a scenario may set other sizes before avvia_xvfb
SCHERMO_H=768
ZOOM=2   # the program starts at 2x

rm -rf "$E2E_TMP"
mkdir -p "$E2E_TMP" "$E2E_CACHE"

_pids=()
_fine() {
    local rc=$? i
    for ((i = ${#_pids[@]} - 1; i >= 0; i--)); do
        kill "${_pids[i]}" 2>/dev/null || true
    done
    # The wineserver of this prefix holds the single-instance mutex and the desktop bound
    # to this display: it must not outlive the scenario.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    for i in "${_pids[@]}"; do wait "$i" 2>/dev/null || true; done
    if ((rc)); then
        echo "FAILED ($rc); screenshots and logs are in $E2E_TMP" >&2
    fi
    exit "$rc"
}
trap _fine EXIT

fallisci() {
    echo "FAIL: $*" >&2
    exit 1
}

passo() { echo "--- $*"; }

# Starts Xvfb on $E2E_DISPLAY and waits until it answers.
avvia_xvfb() {
    Xvfb "$E2E_DISPLAY" -screen 0 "${SCHERMO_W}x${SCHERMO_H}x24" -nolisten tcp -noreset \
        >"$E2E_TMP/xvfb.log" 2>&1 &
    _pids+=($!)
    export DISPLAY=$E2E_DISPLAY
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "${_pids[-1]}" 2>/dev/null || fallisci "Xvfb $E2E_DISPLAY did not start: $(cat "$E2E_TMP/xvfb.log")"
        sleep 0.1
    done
    fallisci "Xvfb $E2E_DISPLAY does not answer"
}

# Puts the known picture on the root window. Call it before starting the program: without a
# window manager a window mapped later would cover the magnifier.
mostra_schermo() {
    SCHERMO=$E2E_CACHE/schermo_${SCHERMO_W}x$SCHERMO_H.png
    if [ ! -s "$SCHERMO" ]; then
        python3 "$E2E_DIR/immagine_test.py" "$E2E_TMP/schermo.png" "$SCHERMO_W" "$SCHERMO_H"
        mv -f "$E2E_TMP/schermo.png" "$SCHERMO"
    fi
    # display exits with 1 here even when the picture is set: judge by a screenshot instead.
    display -window root "$SCHERMO" || true
    foto "$E2E_TMP/sfondo.png"
    [ "$(differenza "$SCHERMO" "$E2E_TMP/sfondo.png")" = 0 ] ||
        fallisci "the test picture is not on the screen"
}

# Copies the program into a fresh folder and starts it; VITRELO_PID is wine's process.
avvia_vitrelo() {
    [ -f "$VITRELO_EXE" ] || fallisci "missing $VITRELO_EXE (build it first)"
    PROG_DIR=$E2E_TMP/prog
    mkdir -p "$PROG_DIR"
    cp "$VITRELO_EXE" "$PROG_DIR/Vitrelo.exe"
    (cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
    VITRELO_PID=$!
    _pids+=("$VITRELO_PID")
}

# The X window of the magnifier, once it is visible: sets FINESTRA.
trova_finestra() {
    FINESTRA=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vitrelo$' | head -n1) &&
        return 0
    # Seen once in many runs: wine started while the previous scenario's wineserver was still
    # going away, and the program never showed. Say what was running, then start it once more
    # on a fresh wineserver (only a scenario that started the program itself with
    # avvia_vitrelo, whose state is nothing but the copied program).
    echo "no window after 30 s; program $(kill -0 "$VITRELO_PID" 2>/dev/null && echo running ||
        echo ended); its output:" >&2
    cat "$E2E_TMP/vitrelo.log" >&2
    [ "${_riprovato:-}" = "" ] && [ "${PROG_DIR:-}" = "$E2E_TMP/prog" ] ||
        fallisci "the Vitrelo window did not appear"
    _riprovato=1
    kill "$VITRELO_PID" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    (cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
    VITRELO_PID=$!
    _pids+=("$VITRELO_PID")
    FINESTRA=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vitrelo$' | head -n1) ||
        fallisci "the Vitrelo window did not appear (twice)"
}

# Reads the Win32 geometry of the main window through finestra.exe; sets
#   WX WY WW WH (outer rectangle), CX CY CW CH (client rectangle on the screen), ABILITATA, SOPRA
geometria() {
    local riga
    riga=$(cd "$E2E_TMP" && wine "$VITRELO_TOOLS/finestra.exe" 2>/dev/null | tr -d '\r') ||
        return 1
    read -r WX WY WW WH CX CY CW CH ABILITATA SOPRA <<<"$riga"
}

# Waits for the end of the start-up show: the window is enabled only once the timer runs.
attendi_avvio() {
    trova_finestra
    local i
    for i in $(seq 40); do
        if geometria && [ "$ABILITATA" = 1 ]; then
            sleep 0.3
            return 0
        fi
        sleep 0.25
    done
    fallisci "the window never became enabled (start-up show did not end)"
}

# Gives the magnifier the X keyboard focus: Wine sees keys only while one of its windows has it.
metti_a_fuoco() {
    sleep 0.5
    xdotool windowfocus --sync "$FINESTRA"
}

puntatore() {
    xdotool mousemove "$1" "$2"
}

# Screenshot of the whole screen into $1.
foto() {
    import -window root "$1"
}

# Crops the client area of the magnifier out of screenshot $1 into $2.
ritaglia_client() {
    convert "$1" -crop "${CW}x${CH}+${CX}+${CY}" +repage "$2"
}

# The capture rectangle for a pointer at ($1, $2) and the picture size CW x CH at zoom $ZOOM
# (integer zooms): sets SX SY SW SH. The rectangle takes one more source column or row when
# the zoom does not divide the picture, and is pushed back inside the screen at its edges.
rettangolo_cattura() {
    local cx=$1 cy=$2
    SX=$((cx - CW / 2 / ZOOM))
    SY=$((cy - CH / 2 / ZOOM))
    SW=$((CW / ZOOM))
    SH=$((CH / ZOOM))
    ((ZOOM * SW < CW)) && SW=$((SW + 1))
    ((ZOOM * SH < CH)) && SH=$((SH + 1))
    ((SX < 0)) && SX=0
    ((SX + SW > SCHERMO_W)) && SX=$((SCHERMO_W - SW))
    ((SY < 0)) && SY=0
    ((SY + SH > SCHERMO_H)) && SY=$((SCHERMO_H - SH))
    return 0
}

# What the picture must show for a pointer at ($2, $3), built from screenshot $1 by
# ImageMagick's nearest-neighbour scaling; written to $4.
atteso() {
    rettangolo_cattura "$2" "$3"
    convert "$1" -crop "${SW}x${SH}+${SX}+${SY}" +repage -sample "$((ZOOM * 100))%" \
        -crop "${CW}x${CH}+0+0" +repage "$4"
}

# Number of differing pixels between two pictures of the same size.
differenza() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    echo "${n%% *}"
}

# True when the rectangle (x, y, w, h) overlaps the magnifier's outer rectangle.
tocca_finestra() {
    local x=$1 y=$2 w=$3 h=$4
    ((x < WX + WW && WX < x + w && y < WY + WH && WY < y + h))
}

# The usual start of a scenario: display, screen picture, the program, the end of its start-up
# show, and its geometry.
avvia_tutto() {
    avvia_xvfb
    mostra_schermo
    avvia_vitrelo
    attendi_avvio
    geometria
}

# Right-click on the picture near its top-left corner; the menu opens at the pointer: sets
# MX MY.
apri_menu() {
    MX=$((CX + 20))
    MY=$((CY + 20))
    puntatore "$MX" "$MY"
    sleep 0.4
    xdotool click 3
    sleep 0.8
}

# "Chiudi", the last item of the menu, chosen with the keyboard; fails unless the program has
# ended within 5 seconds.
chiudi_dal_menu() {
    apri_menu
    xdotool key Up Return
    local _i
    for _i in $(seq 50); do
        kill -0 "$VITRELO_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    fallisci "the program did not end after \"Chiudi\""
}
