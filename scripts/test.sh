#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, widget, fuzz smoke runs), headless, then builds and
# checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${JOBS:-2}"
cd ..
bash scripts/pacchetto.sh
