#!/usr/bin/env bash
# Sets up the machine (idempotent) and builds everything into build/ (program folder build/Quadrivo).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export CXX="${CXX:-clang++}"
# ccache makes a build in a fresh folder cheap when the same sources were built before.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}"
cmake --build build -j"${JOBS:-2}"
