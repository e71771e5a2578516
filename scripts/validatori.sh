#!/usr/bin/env bash
# Checks by hand that the files the program writes open in another program's reader: the
# sample puzzles, converted by `trmo converti` to .ipuz and .puz, go through npm's
# @xwordly/xword-parser, which must find the same grid and clue counts. Needs npm and a build
# (build/Quadrivo/trmo); the parser is installed into a temporary folder each time.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
trmo="$radice/${BUILD_DIR:-build}/Quadrivo/trmo"
[ -x "$trmo" ] || { echo "validatori: manca $trmo (prima la build)" >&2; exit 1; }
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
# 1.0.5: the later 1.1.0 depends on a package the registry does not hold.
npm install --prefix "$lavoro" --no-audit --no-fund --silent @xwordly/xword-parser@1.0.5 >/dev/null
for schema in "$radice"/data/archivio/*.trmo; do
  nome=$(basename "$schema" .trmo)
  for estensione in ipuz puz; do
    "$trmo" converti "$schema" "$lavoro/$nome.$estensione"
  done
done
cd "$lavoro"
# As a module: the package's require() build does not load.
cat >controlla.mjs <<'FINE'
import fs from 'fs';
import { parse } from '@xwordly/xword-parser';
let sbagliati = 0;
for (const nome of fs.readdirSync('.').filter((f) => /\.(ipuz|puz)$/.test(f)).sort()) {
  try {
    const p = parse(fs.readFileSync(nome), { filename: nome });
    const across = p.clues.across.length, down = p.clues.down.length;
    const ok = p.grid.width > 0 && p.grid.height > 0 && across + down > 0;
    console.log(`${nome}: ${p.grid.width}x${p.grid.height}, ${across} orizzontali, ${down} verticali${ok ? '' : ' (vuoto!)'}`);
    if (!ok) sbagliati++;
  } catch (e) {
    console.log(`${nome}: ${e.message}`);
    sbagliati++;
  }
}
process.exit(sbagliati ? 1 : 0);
FINE
node controlla.mjs
echo "validatori: ok"
