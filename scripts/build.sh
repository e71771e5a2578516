#!/usr/bin/env bash
# Sets up the machine (idempotent) and builds everything into build/ (program folder build/Quadrivo).
# BUILD_DIR picks another folder; CMAKE_ARGS adds cache options (-DQUADRIVO_WERROR=ON, ...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export CXX="${CXX:-clang++}"
# ccache makes a build in a fresh folder cheap when the same sources were built before.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
dir="${BUILD_DIR:-build}"
# shellcheck disable=SC2086  # CMAKE_ARGS is a list of options
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-}
cmake --build "$dir" -j"${JOBS:-2}"
