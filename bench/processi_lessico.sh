#!/usr/bin/env bash
# `lessico` against the awk baseline (bench/lessico.awk) on the same queries, as whole processes:
# hyperfine runs both side by side, in rounds, so that a busy machine weighs on both alike.
# Prints per query the median wall time of each (ms, medians of the rounds' medians) and awk / lessico.
#   bash bench/processi_lessico.sh [PROGRAM FOLDER] [ROUNDS]
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
cartella="$(cd "${1:-$qui/../build/Quadrivo}" && pwd)"
giri="${2:-5}"
cd "$cartella"
it=LessicoItaliano.dat
schema="$qui/../data/archivio/primi-passi.trmo"
awk_="awk -f $qui/lessico.awk"
casi=(
  "cerca $it M....E....|$awk_ -v cmd=cerca -v arg=M....E.... $it"
  "anagrammi $it ROMA|$awk_ -v cmd=anagrammi -v arg=ROMA $it"
  "anagrammi $it ...IN..|$awk_ -v cmd=anagrammi -v arg=...IN.. $it"
  "frammenti $it PRG|$awk_ -v cmd=frammenti -v arg=PRG $it"
  "frammenti $it OM|$awk_ -v cmd=frammenti -v arg=OM $it"
  "incroci $it '$schema' 1 4 o|$awk_ -v cmd=incroci -v 'schema=$schema' -v colonna=1 -v riga=4 -v verso=o $it"
)
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for i in "${!casi[@]}"; do
  IFS='|' read -r nostro loro <<<"${casi[$i]}"
  for g in $(seq "$giri"); do
    hyperfine -N -w 3 -r 15 --export-json "$tmp/$i-$g.json" "./lessico $nostro" "$loro" /bin/true >/dev/null
  done
done
python3 - "$tmp" "${#casi[@]}" "$giri" <<'EOF'
import json, statistics, sys
tmp, n, giri = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
print(f"{'query':<28} {'lessico ms':>10} {'awk ms':>8} {'true ms':>8} {'awk/lessico':>11} {'net of true':>11}")
for i in range(n):
    tempi = [[], [], []]
    for g in range(1, giri + 1):
        r = json.load(open(f"{tmp}/{i}-{g}.json"))["results"]
        for j in range(3):
            tempi[j].append(r[j]["median"] * 1000)
    a, b, t = (statistics.median(x) for x in tempi)
    nome = " ".join(r[0]["command"].split()[1:2] + r[0]["command"].split()[3:4])
    print(f"{nome:<28} {a:10.2f} {b:8.2f} {t:8.2f} {b / a:11.1f} {(b - t) / max(a - t, 1e-3):11.1f}")
EOF
