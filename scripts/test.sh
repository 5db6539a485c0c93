#!/usr/bin/env bash
# Builds everything and runs every test, builds and checks the Debian package, runs the core
# tests and the window soak again under ASan (with leak checking) and UBSan, then builds the
# fuzz targets and runs each for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
(cd build && ctest --output-on-failure --timeout 600)

# The Debian package, built from build/ and checked unpacked (about 20 seconds).
scripts/package.sh
scripts/check-package.sh

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DNUMERALIA_CORE_ONLY=ON -DNUMERALIA_SANITIZE=ON -DNUMERALIA_WITH_SOAK=ON
cmake --build build-sanitize
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 1200)

# The fuzz targets (clang, libFuzzer) in build-fuzz/: their seeds, their kept findings, and
# a few seconds of fuzzing each.
scripts/fuzz.sh 5
