#!/usr/bin/env bash
# The presets of finestra.sh on a 1280x1024 screen, where the bars are an eighth of its height.
SCHERMO_W=1280 SCHERMO_H=1024 exec bash "$(dirname "${BASH_SOURCE[0]}")/finestra.sh"
