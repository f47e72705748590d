#!/usr/bin/env bash
# Installs the dependencies, builds Zephyrtrace and opens the sample puzzle
# for constructing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZPX_BENCHMARKS=OFF
cmake --build build-release --target zephyrtrace zpxtool
exec build-release/src/zephyrtrace "$PWD/examples/walden.zpx" -c
