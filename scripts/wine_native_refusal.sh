#!/usr/bin/env bash
# The stand-in host under Wine refuses a native call that pushes another number
# of arguments than the game reads, or a handle of another kind than a typed
# slot reads, as the simulated game on Linux does: IS_ENTITY_DEAD answered with
# the two arguments it reads, refused with one; GET_PLAYER_WANTED_LEVEL answered
# for the player's index (1), refused for the player's ped (handle 0x100).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runner="$root/build/windows/runner.exe"
export WINEDEBUG=-all
wine "$runner" --native-call 5F9532F3B5CC2551 2 2> >(grep -v '^wine: ' >&2)
if refused=$(wine "$runner" --native-call 5F9532F3B5CC2551 1 2>&1); then
  echo "FAIL: the stand-in host answered IS_ENTITY_DEAD with one argument: $refused"
  exit 1
fi
if ! grep -q "IS_ENTITY_DEAD reads 2 arguments; the call pushed 1" <<<"$refused"; then
  echo "FAIL: the stand-in host ended without saying why: $refused"
  exit 1
fi
echo "stand-in host: $(grep -o 'native 0x.*pushed 1' <<<"$refused"); refused"
wine "$runner" --native-call E28E54788CE8F12D 1 1 2> >(grep -v '^wine: ' >&2)
if refused=$(wine "$runner" --native-call E28E54788CE8F12D 1 100 2>&1); then
  echo "FAIL: the stand-in host answered GET_PLAYER_WANTED_LEVEL for a ped's handle: $refused"
  exit 1
fi
if ! grep -q "GET_PLAYER_WANTED_LEVEL reads argument 0 (player) as Player; the call passed a ped's handle" <<<"$refused"; then
  echo "FAIL: the stand-in host ended without saying why: $refused"
  exit 1
fi
echo "stand-in host: $(grep -o 'native 0x.*ped.s handle' <<<"$refused"); refused"
