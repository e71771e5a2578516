#!/usr/bin/env bash
# Runs one fuzz target for a while: scripts/fuzz.sh fuzz_cruciverba 600
set -euo pipefail
cd "$(dirname "$0")/.."
nome="${1:?nome del target, per esempio fuzz_cruciverba}"
secondi="${2:-600}"
bin="build-asan/tests/fuzz/$nome"
[ -x "$bin" ] || { echo "Manca $bin: eseguire prima scripts/test.sh (la compilazione con i sanitizer)" >&2; exit 1; }
semi="tests/fuzz/semi/${nome#fuzz_}"
corpus="build-asan/tests/fuzz/corpus/$nome"
mkdir -p "$corpus"
exec "$bin" -max_total_time="$secondi" -timeout=3 -rss_limit_mb=1024 -malloc_limit_mb=256 -print_final_stats=1 \
  -artifact_prefix=build-asan/tests/fuzz/ "$corpus" "$semi"
