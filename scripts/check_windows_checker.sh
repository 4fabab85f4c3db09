#!/usr/bin/env bash
# The settings checker of the release (pelorin-check.exe under Wine, with the
# plug-in's own formatting) must say exactly what "pelorin check" says on Linux,
# for the shipped settings, the README's map settings, every corpus file and
# a file saved by Notepad as .ini.txt; and its help names it as the player
# starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEDEBUG=-all
failed=0
for file in "$root"/dist/Pelorin.ini "$root"/docs/map.ini "$root"/tests/check_corpus/*.ini \
    "$root"/tests/check_corpus/saved_as_txt.ini; do
  dir=$(dirname "$file"); name=$(basename "$file")
  linux=$(cd "$dir" && "$root/build/linux/pelorin" check "$name" --json || true)
  windows=$(cd "$dir" && wine "$root/build/windows/pelorin-check.exe" "$name" --json 2> >(grep -v '^wine: ' >&2) | tr -d '\r' || true)
  if [ "$linux" != "$windows" ]; then
    echo "pelorin-check.exe and pelorin check differ on $name:" >&2
    diff <(echo "$linux") <(echo "$windows") >&2 || true
    failed=1
  fi
done
if ! wine "$root/build/windows/pelorin-check.exe" --help 2>/dev/null | grep -q '^usage: pelorin-check.exe '; then
  echo "pelorin-check.exe --help does not name pelorin-check.exe" >&2
  failed=1
fi
[ "$failed" -eq 0 ] && echo "pelorin-check.exe under Wine says what pelorin check says, on every file"
exit "$failed"
