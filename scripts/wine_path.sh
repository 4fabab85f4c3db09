#!/usr/bin/env bash
# Prints the Windows path under which Wine sees an absolute Linux path: Wine
# maps the Linux root to drive Z:. (winepath gives the same but starts Wine,
# which costs most of a second per call.)
#   wine_path.sh <path>
set -euo pipefail
absolute=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
printf 'Z:%s\n' "${absolute//\//\\}"
