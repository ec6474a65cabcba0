#!/usr/bin/env bash
# Short endurance run (2 minutes) of the soak scenario on the 32-bit sampler build: GDI objects,
# handles and private bytes flat after the first minute while freezing, capture, lock and unlock
# repeat, and the program still answering. scripts/soak runs the same for as many minutes.
VITRELO_EXE=$VITRELO_SOAK_EXE exec bash "$(dirname "${BASH_SOURCE[0]}")/tools/soak.sh" 2
