#!/usr/bin/env bash
# Checks the release zip as a player gets it: the four files (the settings as
# Pelorin-default.ini, never a Pelorin.ini that would replace the player's), the
# guide and the settings with Windows line ends, the plug-in's size, imports and version resource (read
# under Wine with GetFileVersionInfoA), the shipped .asi being the one the Wine
# scenarios ran, and pelorin-check.exe passing the shipped settings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
zip=$(ls -t "$root"/build/windows/Pelorin-*.zip | head -1)
version=$(basename "$zip" .zip); version=${version#Pelorin-}
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-release-XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
for f in Pelorin.asi Pelorin-default.ini pelorin-check.exe Pelorin-Readme.txt; do
  [ -f "$unpacked/$f" ] || { echo "release: $f missing from $(basename "$zip")" >&2; exit 1; }
done
# No Pelorin.ini: unzipping an update must never replace the player's.
[ ! -e "$unpacked/Pelorin.ini" ] || { echo "release: the zip holds a Pelorin.ini, which an update would replace" >&2; exit 1; }
for f in Pelorin-Readme.txt Pelorin-default.ini; do
  if grep -q $'[^\r]$' "$unpacked/$f"; then echo "release: $f has lines without Windows line ends" >&2; exit 1; fi
done
cmp -s "$unpacked/Pelorin.asi" "$root/build/windows/Pelorin.asi" || { echo "release: Pelorin.asi differs from the tested one" >&2; exit 1; }
# The goal was 224 KB until the in-game menu came: its pages, drawing, custom
# points and blips, and the writer's removal of keys add about 40 KB.
size=$(stat -c %s "$unpacked/Pelorin.asi")
echo "Pelorin.asi: $size bytes ($((size / 1024)) KB; goal 320 KB = 327680 bytes)"
if [ "$size" -gt 327680 ]; then echo "Pelorin.asi is above the 320 KB goal" >&2; exit 1; fi
imports=$(x86_64-w64-mingw32-objdump -p "$unpacked/Pelorin.asi" | awk '/DLL Name:/{print $3}' | tr '\n' ' ')
echo "Pelorin.asi imports: $imports"
export WINEDEBUG=-all
info=$(wine "$root/build/windows/version_info.exe" "$("$root/scripts/wine_path.sh" "$unpacked")\\Pelorin.asi" 2> >(grep -v '^wine: ' >&2) | tr -d '\r')
echo "$info"
for line in "ProductName: Pelorin" "FileVersion: $version" "ProductVersion: $version" "FixedFileVersion: $version.0"; do
  grep -qx "$line" <<<"$info" || { echo "release: version resource lacks \"$line\"" >&2; exit 1; }
done
# Before the first install's rename, the checker names the file to rename.
checked=$(cd "$unpacked" && echo | wine ./pelorin-check.exe 2> >(grep -v '^wine: ' >&2) | tr -d '\r' || true)
grep -q "rename it to Pelorin.ini" <<<"$checked" || { echo "release: pelorin-check.exe without Pelorin.ini: $checked" >&2; exit 1; }
cp "$unpacked/Pelorin-default.ini" "$unpacked/Pelorin.ini"
# Started without arguments, the checker reads the Pelorin.ini beside it and waits for Enter.
checked=$(cd "$unpacked" && echo | wine ./pelorin-check.exe 2> >(grep -v '^wine: ' >&2) | tr -d '\r')
grep -q "Pelorin.ini: 0 error(s), 0 warning(s)" <<<"$checked" || { echo "release: pelorin-check.exe: $checked" >&2; exit 1; }
grep -q "Press Enter to close." <<<"$checked" || { echo "release: pelorin-check.exe does not wait for Enter" >&2; exit 1; }
echo "release $(basename "$zip"): ok"
