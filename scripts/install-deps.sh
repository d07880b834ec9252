#!/usr/bin/env bash
# Installs the Debian packages Ordkamp needs to build and test, if missing.
set -euo pipefail

packages=(cmake g++ libgtest-dev libbenchmark-dev wswedish dict-freedict-swe-eng wamerican dict-freedict-eng-swe dict-freedict-eng-spa kdeedu-kvtml-data qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools desktop-file-utils appstream lintian man-db xvfb xauth fonts-urw-base35
          clang clang-format libclang-rt-14-dev git)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  "${missing[@]}" make
