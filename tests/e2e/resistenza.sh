#!/usr/bin/env bash
# Short endurance run (2 minutes) of the soak scenario: GDI objects, handles and private bytes
# flat after the first minute while freezing, capture, lock and unlock repeat, and the program
# still answering. scripts/soak runs the same for as many minutes as asked.
VITRELO_EXE=$VITRELO_TOOLS/soak_vitrelo.exe exec bash "$(dirname "${BASH_SOURCE[0]}")/tools/soak.sh" 2
