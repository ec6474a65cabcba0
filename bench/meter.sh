#!/usr/bin/env bash
# The shared meter (../shared/bench/meter.sh, README there) run with bench/meter_wine first
# on its PATH, so that it starts a 64-bit program itself on a machine with Debian's wine32:
#   bench/meter.sh --exe dist/win32/Vitrelo.exe --peers xzoom --rounds 5
#   bench/meter.sh --exe dist/win64/Vitrelo.exe --peers xzoom --rounds 5
# Every option goes to the meter unchanged. VITRELO_METER names another copy of it.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
meter=${VITRELO_METER:-$here/../../shared/bench/meter.sh}
[ -f "$meter" ] || { echo "no shared meter at $meter (set VITRELO_METER)" >&2; exit 1; }
PATH=$here/meter_wine:$PATH exec bash "$meter" "$@"
