#!/usr/bin/env bash
# The main job: builds Pelorin.asi (and the simulator), runs the simulated
# game with the shipped settings (a long stretch of play on the Linux
# simulator's virtual clock, and the real Pelorin.asi under Wine), then makes
# the release, build/windows/Pelorin-<version>.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_jobs.sh
scripts/setup.sh
scripts/build.sh
game=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-game-XXXXXX")
trap 'rm -rf "$game"' EXIT
cp dist/Pelorin.ini "$game/"
echo "== Simulated game (Linux, virtual clock), shipped settings =="
(cd "$game" && "$OLDPWD/build/linux/pelorin-sim" play)
echo "== Real Pelorin.asi in the stand-in host under Wine (real time), shipped settings =="
scripts/wine_scenario.sh key-chord dist/Pelorin.ini
scripts/wine_scenario.sh death dist/Pelorin.ini
echo "== The release =="
cmake --build --preset windows --target package >/dev/null
scripts/check_release.sh
echo "Release: $(ls -t build/windows/Pelorin-*.zip | head -1)"
