#!/usr/bin/env bash
# Installs what is missing, builds, and starts Skyvale with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/programs/orrin/skyvale" "$@"
