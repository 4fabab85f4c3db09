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
wine_errors=$(mktemp)
trap 'rm -f "$wine_errors"' EXIT
# The checker always prints its JSON. A run that printed nothing and reported no
# crash of ours is Wine failing to start the process (seen once on a busy CI
# machine): it is said, with Wine's own words, and run again, at most twice.
windows_check() {
  local out tries=0
  while :; do
    out=$(cd "$1" && wine "$root/build/windows/pelorin-check.exe" "$2" --json 2>"$wine_errors" | tr -d '\r' || true)
    grep -v '^wine: ' "$wine_errors" >&2 || true
    if [ -n "$out" ] || grep -q 'Unhandled' "$wine_errors" || [ "$tries" -eq 2 ]; then break; fi
    tries=$((tries + 1))
    echo "pelorin-check.exe printed nothing on $2 under Wine ($(tr '\n' ' ' <"$wine_errors")); once more" >&2
  done
  echo "$out"
}
for file in "$root"/dist/Pelorin.ini "$root"/docs/map.ini "$root"/tests/check_corpus/*.ini \
    "$root"/tests/check_corpus/saved_as_txt.ini; do
  dir=$(dirname "$file"); name=$(basename "$file")
  linux=$(cd "$dir" && "$root/build/linux/pelorin" check "$name" --json || true)
  windows=$(windows_check "$dir" "$name")
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
