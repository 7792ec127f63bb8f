#!/usr/bin/env bash
# Checks the layout of every C++ file, builds the fuzzers with clang and runs each for a short,
# bounded time (four targets, 15 s each), then builds Quenra with warnings as errors under
# AddressSanitizer and UBSan and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

./scripts/format-check.sh

./scripts/fuzz.sh "${FUZZ_SECONDS:-15}"

jobs=${JOBS:-2}
cmake -S . -B build/test -DQUENRA_WERROR=ON -DQUENRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j"$jobs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
ctest --test-dir build/test --output-on-failure -j"$jobs" --timeout 300
