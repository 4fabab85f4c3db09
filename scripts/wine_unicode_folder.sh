#!/usr/bin/env bash
# The real Pelorin.asi in a game folder whose path is not plain ASCII (a user
# name in Cyrillic, Greek, Polish, Chinese), under Wine: the runner, the
# stand-in host and the plug-in copied into it, the shipped settings beside
# them, and the log scenario, which needs Pelorin.log written there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
parent=$(mktemp -d /tmp/pelorin-wine-XXXXXX)
trap 'rm -rf "$parent"' EXIT
game="$parent/Игры Ελληνικά Łódź 游戏"
mkdir -p "$game"
cp "$root"/build/windows/{runner.exe,ScriptHookV.dll,Pelorin.asi} "$game/"
cp "$root/dist/Pelorin.ini" "$game/Pelorin.ini"
export WINEDEBUG=-all
(cd "$game" && wine ./runner.exe log "$("$root/scripts/wine_path.sh" "$game")" 2> >(grep -v '^wine: ' >&2))
[ -s "$game/Pelorin.log" ] || { echo "Pelorin.log was not written in $game" >&2; exit 1; }
echo "Pelorin.asi in a folder of any name: Pelorin.log written there"
