#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what lands where.
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in \
  games/ordkamp \
  share/man/man6/ordkamp.6.gz \
  share/doc/ordkamp/changelog.gz \
  share/ordkamp/ordkamp.se \
  share/ordkamp/ordkamp-alla.se \
  share/ordkamp/ordkamp.en \
  share/doc/ordkamp/copyright \
  share/ordkamp/ReadMe.txt \
  share/ordkamp/ReadMe-en.txt \
  share/ordkamp/sounds/tick.wav \
  share/ordkamp/sounds/timeout.wav \
  share/ordkamp/sounds/solved.wav \
  share/ordkamp/sounds/wrong.wav \
  share/ordkamp/sounds/matchover.wav \
  share/ordkamp/sounds/beep.wav \
  share/applications/org.example.Ordkamp.desktop \
  share/metainfo/org.example.Ordkamp.metainfo.xml \
  share/icons/hicolor/16x16/apps/org.example.Ordkamp.png \
  share/icons/hicolor/32x32/apps/org.example.Ordkamp.png \
  share/icons/hicolor/48x48/apps/org.example.Ordkamp.png \
  share/icons/hicolor/128x128/apps/org.example.Ordkamp.png \
  share/icons/hicolor/scalable/apps/org.example.Ordkamp.svg
do
  [ -s "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done

# The audio libraries come with the sound library only, loaded when first heard.
sound=$(find "$prefix/lib" -path '*/ordkamp/ordkamp-sound.so')
[ -n "$sound" ] || { echo "missing after install: lib/.../ordkamp/ordkamp-sound.so"; exit 1; }
readelf -d "$sound" | grep -q 'libQt6Multimedia' || { echo "the sound library lacks Qt Multimedia"; exit 1; }
if readelf -d "$prefix/games/ordkamp" | grep -q 'libQt6Multimedia'; then
  echo "the program links Qt Multimedia"; exit 1
fi

[ "$("$prefix/games/ordkamp" --version)" = "Ordkamp $version" ] || { echo "--version is wrong"; exit 1; }
"$prefix/games/ordkamp" --help | grep -q -- '--version' || { echo "--help is wrong"; exit 1; }
status=0
"$prefix/games/ordkamp" --bogus 2> /dev/null || status=$?
[ "$status" = 2 ] || { echo "an unknown option gave $status, not 2"; exit 1; }
desktop-file-validate "$prefix/share/applications/org.example.Ordkamp.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Ordkamp.metainfo.xml"
echo "install: all files in place"
