#!/usr/bin/env bash
# Builds the Debian package and checks its control data and contents, then
# unpacks it into a throw-away folder and starts the program from there.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log) \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/ordkamp_*.deb)

info=$(dpkg-deb --info "$deb")
for expected in "Package: ordkamp" "Version: $version" "Section: games" libqt6widgets6 libqt6gui6 libqt6core6 \
                libstdc++6 libc6 "Recommends: libqt6multimedia6"; do
  grep -q -- "$expected" <<< "$info" || { echo "control data lacks: $expected"; echo "$info"; exit 1; }
done
# Sound is loaded when first heard: the program plays without Qt Multimedia.
if grep -q "Depends:.*multimedia" <<< "$info"; then
  echo "the package depends on Qt Multimedia"; echo "$info"; exit 1
fi

contents=$(dpkg-deb --contents "$deb")
for path in ./usr/games/ordkamp ./usr/share/man/man6/ordkamp.6.gz ./usr/share/ordkamp/ordkamp.se ./usr/share/ordkamp/ordkamp-alla.se ./usr/share/ordkamp/ordkamp.en ./usr/share/doc/ordkamp/copyright ./usr/share/ordkamp/ReadMe.txt ./usr/share/ordkamp/sounds/tick.wav \
            ./usr/share/applications/org.example.Ordkamp.desktop \
            ./usr/share/metainfo/org.example.Ordkamp.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.example.Ordkamp.svg \
            ./usr/share/icons/hicolor/128x128/apps/org.example.Ordkamp.png; do
  grep -q -- " $path\$" <<< "$contents" || { echo "package lacks: $path"; exit 1; }
done
grep -q -- " ./usr/lib/.*ordkamp/ordkamp-sound.so\$" <<< "$contents" || { echo "package lacks the sound library"; exit 1; }

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
if readelf -S "$work/root/usr/games/ordkamp" | grep -q '\.debug_info'; then
  echo "the packaged program is not stripped"; exit 1
fi
[ "$("$work/root/usr/games/ordkamp" --version)" = "Ordkamp $version" ] || { echo "unpacked program fails"; exit 1; }
echo "package: $(basename "$deb") checked"
