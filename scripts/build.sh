#!/usr/bin/env bash
# Sets up the machine (idempotent) and builds everything into build/ (program folder build/Quadrivo).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export CXX="${CXX:-clang++}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}"
cmake --build build -j"${JOBS:-2}"
