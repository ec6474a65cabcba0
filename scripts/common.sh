# shellcheck shell=bash
# Shared by scripts/build, scripts/run and scripts/test (sourced, not run).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build

# The packages, listed once in packages.txt (comments and blank lines skipped).
mapfile -t PACKAGES < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$ROOT/scripts/packages.txt")

# Installs only what is missing, so that a ready machine pays one dpkg-query. Works as root
# (CI: no terminal, no display) and through sudo otherwise.
ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    echo "installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" \
        </dev/null >/dev/null
}

# build_preset PRESET [TARGET...]: configure once with a preset of CMakePresets.json (native,
# win32, win64, fuzz: build/PRESET), then build incrementally.
build_preset() {
    local targets=()
    (($# > 1)) && targets=(--target "${@:2}")
    if [ ! -f "$BUILD/$1/CMakeCache.txt" ]; then
        (cd "$ROOT" && cmake --preset "$1" >/dev/null)
    fi
    (cd "$ROOT" && cmake --build --preset "$1" "${targets[@]}")
}

# The product (win32), the 64-bit build with the Win32-side tests and the scenarios' helpers
# (win64), the native unit tests, plain and sanitized, and the fuzz target.
build_all() {
    build_preset win32
    build_preset win64
    build_preset native
    build_preset fuzz
}

# free_display FIRST: the first X display number from FIRST up that no server holds.
free_display() {
    local n=$1
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    echo "$n"
}

# run_xvfb :N WIDTHxHEIGHT LOG: starts Xvfb on :N in the background (its process: XVFB_PID),
# waits until it answers (10 s at most) and exports DISPLAY; fails with the end of LOG when it
# does not answer, and at once when a live server holds :N (it would answer in its place).
# -noreset: the root picture set by `display` must stay when that client leaves, and a server
# that resets with its last client would clear it.
run_xvfb() {
    local holder
    holder=$({ tr -d ' ' <"/tmp/.X${1#:}-lock"; } 2>/dev/null) && [ -n "$holder" ] && [ -d "/proc/$holder" ] &&
        echo "display $1 is held by process $holder" >&2 && return 1
    Xvfb "$1" -screen 0 "${2}x24" -nolisten tcp -noreset >"$3" 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        DISPLAY=$1 xdpyinfo >/dev/null 2>&1 && export DISPLAY=$1 && return 0
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb $1 did not answer: $(tail -n 5 "$3")" >&2
    kill "$XVFB_PID" 2>/dev/null
    return 1
}

# The installed Wine packages with their architectures and versions.
wine_packages() {
    dpkg-query -W -f='${db:Status-Abbrev}${binary:Package} ${Version}\n' 'wine*' 'libwine*' \
        2>/dev/null | sed -n 's/^ii *//p' | sort
}

# Makes the Wine prefix $WINEPREFIX (with its private $HOME) unless a usable one is there. A
# prefix made by other Wine packages may not start anything at all (one made before wine32 was
# installed fails every program with "could not load kernel32.dll", and wineboot -u does not
# mend it), so the prefix keeps a list of the packages that made it and is made anew when the
# installed ones differ.
prepare_prefix() {
    local stamp=$WINEPREFIX/vitrelo-wine-packages.txt installed
    installed=$(wine_packages)
    mkdir -p "$HOME"   # before the prefix: its Desktop and Documents link into HOME
    if [ -e "$WINEPREFIX" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$installed" ]; then
        echo "the Wine packages are not those that made $WINEPREFIX: making it anew"
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    [ -f "$stamp" ] && return 0
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not make $WINEPREFIX" >&2; return 1; }
    echo "$installed" >"$stamp"
}

# The private Wine environment every test and the demo share.
wine_environment() {
    export WINEPREFIX=$BUILD/wineprefix HOME=$BUILD/winehome
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    prepare_prefix
}
