#!/usr/bin/env bash
# Builds the Debian package from build/ and checks what it holds: the program folder, the
# commands, the desktop entry, icons, MIME type and AppStream metadata (validated), no caches;
# then lintian, which must find nothing to complain of.
set -euo pipefail
cd "$(dirname "$0")/../build"
rm -f quadrivo_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
deb=$(ls quadrivo_*.deb)
contenuto=$(dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
manca=0
for voce in \
  "./usr/games/quadrivo -> ../lib/quadrivo/quadrivo" \
  "./usr/bin/trmo -> ../lib/quadrivo/trmo" "./usr/bin/lessico -> ../lib/quadrivo/lessico" \
  ./usr/lib/quadrivo/quadrivo ./usr/lib/quadrivo/trmo ./usr/lib/quadrivo/lessico ./usr/lib/quadrivo/lessico-incroci \
  ./usr/lib/quadrivo/tramerio.ini ./usr/lib/quadrivo/Quadrivoa.jpg ./usr/lib/quadrivo/Quadrivob.jpg \
  ./usr/lib/quadrivo/LessicoItaliano.dat ./usr/lib/quadrivo/LessicoInglese.dat \
  ./usr/lib/quadrivo/LessicoLatino.dat ./usr/lib/quadrivo/LessicoFrancese.dat \
  "./usr/lib/quadrivo/Archivio cruciverba/primi-passi.trmo" \
  ./usr/share/applications/org.example.quadrivo.desktop \
  ./usr/share/metainfo/org.example.quadrivo.metainfo.xml \
  ./usr/share/mime/packages/quadrivo.xml \
  ./usr/share/icons/hicolor/scalable/apps/quadrivo.svg \
  ./usr/share/icons/hicolor/scalable/mimetypes/application-x-quadrivo-trmo.svg \
  ./usr/share/icons/hicolor/16x16/apps/quadrivo.png ./usr/share/icons/hicolor/48x48/apps/quadrivo.png \
  ./usr/share/icons/hicolor/256x256/apps/quadrivo.png \
  ./usr/share/doc/quadrivo/copyright ./usr/share/doc/quadrivo/changelog.gz \
  ./usr/share/man/man6/quadrivo.6.gz ./usr/share/man/man1/trmo.1.gz ./usr/share/man/man1/lessico.1.gz; do
  grep -qxF -- "$voce" <<<"$contenuto" || { echo "pacchetto: manca $voce" >&2; manca=1; }
done
# The caches belong to the system's triggers; a shipped one would clash with every other package.
if grep -E '^\./usr/share/(mime/[^p]|applications/mimeinfo\.cache|icons/hicolor/icon-theme\.cache)' <<<"$contenuto"; then
  echo "pacchetto: contiene una cache" >&2
  manca=1
fi
dipendenze=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6printsupport6 libzip4 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core; do
  grep -q "$d" <<<"$dipendenze" || { echo "pacchetto: non dipende da $d" >&2; manca=1; }
done
estratto=$(mktemp -d)
trap 'rm -rf "$estratto"' EXIT
dpkg-deb -x "$deb" "$estratto"
appstreamcli validate --no-net "$estratto/usr/share/metainfo/org.example.quadrivo.metainfo.xml"
desktop-file-validate "$estratto/usr/share/applications/org.example.quadrivo.desktop"
# The commands the manual pages document answer --help, through their links as installed.
for comando in trmo lessico; do
  "$estratto/usr/bin/$comando" --help >/dev/null || { echo "pacchetto: $comando --help non esce con 0" >&2; manca=1; }
done
# Errors and warnings both count; lintian's informational notes do not.
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb" || { echo "pacchetto: lintian trova problemi" >&2; manca=1; }
else
  echo "pacchetto: lintian non è installato (apt-get install lintian)" >&2
  manca=1
fi
[ "$manca" = 0 ] || exit 1
echo "pacchetto: $deb ok"
