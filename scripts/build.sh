#!/usr/bin/env bash
# Builds both presets: Linux (core, simulated game, tests, tools) and Windows
# (Pelorin.asi, stand-in ScriptHookV.dll, runner), then checks that the
# plug-in imports nothing but Windows system DLLs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build_jobs.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
cmake --preset windows >/dev/null
cmake --build --preset windows
imports=$(x86_64-w64-mingw32-objdump -p build/windows/Pelorin.asi | awk '/DLL Name:/{print $3}')
echo "Pelorin.asi imports: $(echo $imports)"
bad=$(echo "$imports" | grep -ivE '^(kernel32|user32|advapi32|msvcrt|ucrtbase|api-ms-win-.*|ntdll|scripthookv)\.dll$' || true)
if [ -n "$bad" ]; then
  echo "Pelorin.asi imports non-system DLLs: $bad" >&2
  exit 1
fi
