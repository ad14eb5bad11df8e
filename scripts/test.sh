#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through
# CTest under a private Xvfb display (the GL tests need one).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
cd "${BUILD_DIR:-$root/build}"
# Qt wants a private runtime folder; without a login session (CI) there is none.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/test-runtime}"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure --parallel "$(nproc)" "$@"
