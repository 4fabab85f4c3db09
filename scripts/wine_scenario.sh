#!/usr/bin/env bash
# Plays one scenario with the real Pelorin.asi in the stand-in host under Wine
# (real time). The game directory gets the given settings file, or none.
#   wine_scenario.sh <scenario> [settings file]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-wine-XXXXXX")
trap 'rm -rf "$game"' EXIT
[ $# -ge 2 ] && cp "$2" "$game/Pelorin.ini"
export WINEDEBUG=-all
wine "$root/build/windows/runner.exe" "$1" "$("$root/scripts/wine_path.sh" "$game")" 2> >(grep -v '^wine: ' >&2)
