#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, widget), headless, with warnings as errors; then a
# second pass built with AddressSanitizer and UBSan in build-asan/, with the fuzz targets' smoke
# runs (QUADRIVO_SANITIZE_PASS=no skips it). The Debian package is built and checked in between.
set -euo pipefail
cd "$(dirname "$0")/.."
CMAKE_ARGS="-DQUADRIVO_WERROR=ON ${CMAKE_ARGS:-}" bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${JOBS:-2}")
bash scripts/pacchetto.sh

[ "${QUADRIVO_SANITIZE_PASS:-yes}" = no ] && exit 0
# The fuzz targets are built here, over the sanitized libraries, and run briefly with the suite.
BUILD_DIR=build-asan CMAKE_ARGS="-DQUADRIVO_WERROR=ON -DQUADRIVO_SANITIZE=ON" bash scripts/build.sh
cd build-asan
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${JOBS:-2}"
