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
# win32, win64: build/PRESET), then build incrementally.
build_preset() {
    local targets=()
    (($# > 1)) && targets=(--target "${@:2}")
    if [ ! -f "$BUILD/$1/CMakeCache.txt" ]; then
        (cd "$ROOT" && cmake --preset "$1" >/dev/null)
    fi
    (cd "$ROOT" && cmake --build --preset "$1" "${targets[@]}")
}

# The product (win32), the 64-bit build with the Win32-side tests and the scenarios' helpers
# (win64), and the native unit tests, plain and sanitized.
build_all() {
    build_preset win32
    build_preset win64
    build_preset native
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
