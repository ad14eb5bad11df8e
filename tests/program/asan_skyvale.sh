#!/usr/bin/env bash
# Stands in for the program when the end-to-end scripts run against the
# AddressSanitizer + UBSan build with leak checking, e.g.
#   SKYVALE_ASAN_EXE=build-asan/programs/orrin/skyvale \
#     xvfb-run -a bash tests/program/damaged_settings.sh tests/program/asan_skyvale.sh
# Any sanitizer finding makes the program's exit code non-zero, which the
# scripts report. Mesa's driver is preloaded so that its leaks keep a name.
here="$(cd "$(dirname "$0")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:verify_asan_link_order=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp"
LD_PRELOAD=$(ls /usr/lib/*/dri/swrast_dri.so | head -n 1) exec "$(realpath "$SKYVALE_ASAN_EXE")" "$@"
