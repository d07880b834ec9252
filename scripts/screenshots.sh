#!/usr/bin/env bash
# Draws the README's pictures into docs/ from a normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j2 --target ordkamp-screenshots
build/ordkamp-screenshots build docs
ls docs/*.png
