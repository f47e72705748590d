#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs the whole test suite.
# ZPX_SANITIZE=ON runs it under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
sanitize=${ZPX_SANITIZE:-OFF}
build=build
[ "$sanitize" = ON ] && build=build-sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZPX_SANITIZE="$sanitize"
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2
