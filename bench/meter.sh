#!/usr/bin/env bash
# The frame meter (meter.sh in the folder VITRELO_METER_DIR, README there) run with
# bench/meter_wine first on its PATH, so that it starts a 64-bit program itself on a machine
# with Debian's wine32:
#   VITRELO_METER_DIR=... bench/meter.sh --exe dist/win32/Vitrelo.exe --peers xzoom --rounds 5
#   VITRELO_METER_DIR=... bench/meter.sh --exe dist/win64/Vitrelo.exe --peers xzoom --rounds 5
# Every option goes to the meter unchanged.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
meter=${VITRELO_METER_DIR:-}/meter.sh
[ -f "$meter" ] || { echo "no frame meter at '$meter' (set VITRELO_METER_DIR to its folder)" >&2; exit 1; }
PATH=$here/meter_wine:$PATH exec bash "$meter" "$@"
