#!/usr/bin/env bash
# Installs what is missing (and gcovr), builds with gcov line coverage into
# build-coverage/ (or $BUILD_DIR), runs the whole suite under Xvfb and prints
# the line coverage of src/ and programs/ per file, least covered last.
# Extra arguments go to gcovr (e.g. --txt-metric branch, --html-details out.html).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
if ! command -v gcovr >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends gcovr
fi
build="${BUILD_DIR:-$root/build-coverage}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKYVALE_COVERAGE=ON \
  -DSKYVALE_BUILD_BENCHMARKS=OFF
cmake --build "$build" --parallel "$(nproc)"
# Counts from an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$build/test-runtime}"
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --parallel "$(nproc)" --output-on-failure) || true
gcovr --root "$root" --object-directory "$build" \
  --filter "$root/src/" --filter "$root/programs/" \
  --sort-percentage --print-summary "$@"
