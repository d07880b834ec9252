#!/usr/bin/env bash
# Builds Ordkamp and starts it with the default word list.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDKAMP_TESTS=OFF -DORDKAMP_BENCHMARKS=OFF
cmake --build build -j2
exec build/ordkamp
