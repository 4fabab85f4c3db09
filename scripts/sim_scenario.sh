#!/usr/bin/env bash
# Plays one scenario in the Linux simulator in a fresh game directory, with the
# given settings file or none.
#   sim_scenario.sh <pelorin-sim> <scenario> [settings file]
set -euo pipefail
game=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-game-XXXXXX")
trap 'rm -rf "$game"' EXIT
[ $# -ge 3 ] && cp "$3" "$game/Pelorin.ini"
cd "$game"
"$1" "$2"
