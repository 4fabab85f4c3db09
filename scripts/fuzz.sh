#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang++-14 with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for the given number of
# seconds (20 by default) from the seed corpus and the dictionary. A finding
# stops with the crashing input saved under build/fuzz/findings/. New inputs go
# to build/fuzz/corpus/<target>, so a later run goes on from them.
#   fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_jobs.sh
seconds=${1:-20}
root=$(pwd)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
mkdir -p build/fuzz/findings
total=0
for target in profile_text_fuzz profile_writer_fuzz settings_file_fuzz settings_checker_fuzz; do
  corpus="$root/build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  log="$root/build/fuzz/$target.log"
  if ! "$root/build/fuzz/$target" -max_total_time="$seconds" -max_len=2048 -dict="$root/fuzz/settings.dict" \
      -artifact_prefix="$root/build/fuzz/findings/$target-" -print_final_stats=1 \
      "$corpus" "$root/fuzz/seeds" "$root/wine/ini_corpus" >"$log" 2>&1; then
    tail -40 "$log" >&2
    echo "$target: FAILED (input saved in build/fuzz/findings/)" >&2
    exit 1
  fi
  runs=$(awk '/stat::number_of_executed_units:/{print $2}' "$log")
  total=$((total + runs))
  echo "$target: $runs executions in ${seconds} s, no finding"
done
echo "fuzzing: $total executions in all, no finding"
