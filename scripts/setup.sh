#!/usr/bin/env bash
# Installs what building and testing Pelorin needs on a fresh Debian machine:
# CMake and g++ with GoogleTest for the Linux build, MinGW-w64 for the Windows
# build of Pelorin.asi, Wine to run the real plug-in in the stand-in host, and
# clang 14 with its libFuzzer and sanitizer runtimes for the fuzz targets.
set -euo pipefail
packages=(cmake make g++ libgtest-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 mingw-w64 wine wine64
          clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
