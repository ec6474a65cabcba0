#!/usr/bin/env bash
# A static Windows GUI program of the given kind, needing no MinGW runtime DLL beside it, that
# imports only known DLLs (Windows takes those from the system folder alone) and the common
# controls (bound by the manifest): any other DLL is looked for in the program's folder first.
# Usage: check_pe.sh Vitrelo.exe FORMAT (pei-i386 or pei-x86-64)
set -euo pipefail
headers=$(objdump -fp "$1")
grep -q "file format $2\$" <<<"$headers" || { echo "$1: not $2"; exit 1; }
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || { echo "$1: not a GUI program"; exit 1; }
dll=$(grep 'DLL Name' <<<"$headers" | awk '{print tolower($3)}' | sort -u | tr '\n' ' ')
allowed=' advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll '
for d in $dll; do [[ $allowed == *" $d "* ]] || { echo "$1: imports $d, which is no known DLL"; exit 1; }; done
echo "$1: $2, GUI, imports: $dll"
