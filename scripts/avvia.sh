#!/usr/bin/env bash
# Sets up, builds and starts Quadrivo on a sample puzzle.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/Quadrivo
campione=$(ls "Archivio cruciverba"/*.trmo 2>/dev/null | head -n 1 || true)
if [ -n "$campione" ]; then
  exec ./quadrivo "$PWD/$campione"
else
  exec ./quadrivo
fi
