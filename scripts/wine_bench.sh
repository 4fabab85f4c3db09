#!/usr/bin/env bash
# The once-a-second settings check of the real Windows build under Wine, beside
# the per-key Win32 private-profile reader, on the shipped settings file and on
# one with 10,000 custom points (build the windows preset first). Wine runs in
# a prefix of its own (made on the first run), so that other Wine programs of
# the machine do not share its server and blur the figures. Then the real
# Pelorin.asi in the stand-in host: the frames of the menu's delete and save
# in a file of 10,000 custom points (the scenario write-frames).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$root/build/wine-bench-prefix}"
wine "$root/build/windows/settings_bench.exe" "$("$root/scripts/wine_path.sh" "$root/dist/Pelorin.ini")" \
  2> >(grep -v '^wine: ' >&2)
"$root/scripts/wine_scenario.sh" write-frames "$root/dist/Pelorin.ini"
