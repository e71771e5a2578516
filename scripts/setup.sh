#!/usr/bin/env bash
# Installs, idempotently, everything the build, the program and the tests need on Debian 12.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
pkgs=(
  build-essential cmake ninja-build pkg-config git ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libqt6svg6 libqt6sql6-sqlite
  libgl-dev libxkbcommon-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libzip-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra fontconfig qt6-translations-l10n
  appstream desktop-file-utils dpkg-dev file lintian
  xvfb xauth x11-utils xdotool imagemagick poppler-utils hyperfine
  witalian wfrench wamerican wbritish
  ca-certificates
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
# npm brings the Latin word list; a machine that already has Node keeps its own npm.
if ! command -v npm >/dev/null 2>&1; then
  apt-get update
  apt-get install -y --no-install-recommends nodejs npm
fi
# The Latin word list the dictionaries are built from, kept in the repository's deps/.
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ ! -f "$radice/deps/node_modules/dictionary-la/index.dic" ]; then
  mkdir -p "$radice/deps"
  npm install --prefix "$radice/deps" --no-audit --no-fund --no-save dictionary-la@1
fi
