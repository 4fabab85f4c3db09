#!/usr/bin/env bash
# Every test: the unit and scenario tests in the Linux simulator (CTest), the
# same again under AddressSanitizer and UndefinedBehaviorSanitizer, a short run
# of each fuzz target, then under Wine the settings-reader conformance check
# against the Win32 reader, the end-to-end runs of the real Pelorin.asi in the
# stand-in host with its refusal of a native call of another argument count,
# and the release zip.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_jobs.sh
scripts/setup.sh
scripts/build.sh
ctest --preset linux
echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan
ctest --preset linux-asan
echo "== Fuzz targets, 20 s each =="
scripts/fuzz.sh 20
echo "== Settings reader and writer against the Win32 private-profile functions (Wine) =="
# Wine's CreateSymbolicLink makes no link: the symbolic-link case gets one made here.
linked=$(mktemp -d)
trap 'rm -rf "$linked"; wineserver -k 2>/dev/null || true' EXIT
ln -s own.ini "$linked/deployed.ini"
WINEDEBUG=-all wine build/windows/ini_conformance.exe "$(scripts/wine_path.sh wine/ini_corpus)" \
  "$(scripts/wine_path.sh "$linked")" 2> >(grep -v '^wine: ' >&2)
# One Wine server for the Wine steps from here on (the first run has made the
# prefix): a server that exits between two of them can drop the next one's
# connection ("recvmsg: Connection reset by peer"). The first run's server
# ends first, since a second one cannot start beside it.
wineserver -w
wineserver -p
echo "== Real Pelorin.asi under Wine =="
WINEDEBUG=-all wine build/windows/runner.exe --without-host 2> >(grep -v '^wine: ' >&2)
scripts/wine_scenario.sh missing-then-saved
scripts/wine_scenario.sh stored-skin
scripts/wine_scenario.sh key-chord dist/Pelorin.ini
scripts/wine_scenario.sh death dist/Pelorin.ini
scripts/wine_scenario.sh log dist/Pelorin.ini
scripts/wine_scenario.sh save-spawn-point dist/Pelorin.ini
scripts/wine_native_refusal.sh
scripts/wine_scenario.sh menu dist/Pelorin.ini
# A settings file of the first release, kept through an update: the chords that
# came later work from their shipped values, and the menu edits it keeping every byte.
scripts/wine_scenario.sh key-chord tests/check_corpus/file_of_the_first_release.ini
scripts/wine_scenario.sh save-spawn-point tests/check_corpus/file_of_the_first_release.ini
scripts/wine_scenario.sh menu tests/check_corpus/file_of_the_first_release.ini
scripts/wine_unicode_folder.sh
echo "== The settings checker of the release under Wine against the Linux one =="
scripts/check_windows_checker.sh
echo "== The release zip, as a player unzips it =="
cmake --build --preset windows --target package >/dev/null
scripts/check_release.sh
echo "All tests passed."
