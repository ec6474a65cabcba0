#!/usr/bin/env bash
# Makes the tests' private Wine prefix (about 12 s) unless a usable one is there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/comune.sh"
prepara_prefisso
