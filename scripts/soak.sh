#!/usr/bin/env bash
# The long soak: builds the Linux simulator, then plays seeded random episodes
# (100,000 by default) checked every frame against the players' invariants,
# and prints the figures. A violation prints the command that replays it.
#   scripts/soak.sh [episodes] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_jobs.sh
episodes=${1:-100000}
seed=${2:-1}
cmake --preset linux >/dev/null
cmake --build --preset linux --target pelorin-sim
build/linux/pelorin-sim soak --episodes "$episodes" --seed "$seed"
