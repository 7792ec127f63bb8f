#!/usr/bin/env bash
# Builds the fuzzers of the three readers of outside files (.qrx, .ned, .ini) with clang and
# runs each for the given number of seconds (default 20), starting from the bundled examples.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

mkdir -p build
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUENRA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > build/fuzz-configure.log 2>&1 ||
    { cat build/fuzz-configure.log; exit 1; }
cmake --build build/fuzz -j"${JOBS:-2}" --target fuzz_project_reader fuzz_ned_import fuzz_client_info_import

export ASAN_OPTIONS=detect_leaks=0
for fuzzer in fuzz_project_reader fuzz_ned_import fuzz_client_info_import; do
    corpus=build/fuzz/corpus/$fuzzer
    mkdir -p "$corpus"
    cp -n examples/* tests/data/* "$corpus"/ 2>/dev/null || true
    echo "fuzz: $fuzzer for ${seconds}s"
    build/fuzz/$fuzzer -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" > "build/fuzz/$fuzzer.log" 2>&1 ||
        { tail -n 60 "build/fuzz/$fuzzer.log"; exit 1; }
    grep -E '^#[0-9]+.*DONE' "build/fuzz/$fuzzer.log" | tail -n 1 || true
done
echo "fuzz: no crashes"
