#!/usr/bin/env bash
# The product must be a 32-bit GUI program that needs no MinGW runtime DLL beside it.
# Usage: controlla_pe.sh Vitrelo.exe FORMAT (pei-i386 or pei-x86-64)
set -euo pipefail
exe=$1 formato=$2
objdump -f "$exe" | grep -q "file format $formato\$" ||
    { echo "$exe: not $formato:"; objdump -f "$exe"; exit 1; }
intestazione=$(objdump -p "$exe")
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$intestazione" ||
    { echo "$exe: not a Windows GUI program"; grep '^Subsystem' <<<"$intestazione"; exit 1; }
dll=$(grep 'DLL Name' <<<"$intestazione" | awk '{print tolower($3)}' | sort -u)
if grep -E 'libstdc|libgcc|libwinpthread' <<<"$dll"; then
    echo "$exe: needs MinGW runtime DLLs (not linked statically)"
    exit 1
fi
echo "$exe: $formato, GUI, imports: $(tr '\n' ' ' <<<"$dll")"
