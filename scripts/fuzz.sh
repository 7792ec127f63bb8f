#!/usr/bin/env bash
# Builds the fuzzers (the three readers of outside files, .qrx, .ned and .ini, and the way from
# any record they give to the drawn pages) with clang under ASan/UBSan and runs each in turn,
# one job per target, starting from the committed corpus, the test fixtures and the examples.
#
#   scripts/fuzz.sh [SECONDS]        each target for SECONDS (default 15)
#   scripts/fuzz.sh --runs COUNT     each target for COUNT inputs
#
# FUZZ_TARGETS limits the targets (names as below); FUZZ_MERGE=1 afterwards minimizes each
# run's corpus into fuzz/corpus/<target>, keeping at most FUZZ_MERGE_MAX_LEN bytes of each input
# (default 16384); FUZZ_EVEN_SCHEDULE=1 turns off the whole-pipeline target's preference for
# fast inputs. The committed corpora of the .ned, .ini and whole-pipeline targets were
# merged at 1024: the readers kept every edge, the pipeline most of them, and the full-length
# fixtures are added back as seeds on every run. Any crash, sanitizer report, timeout or
# memory above the limit fails the script. The last line per target gives the inputs run,
# inputs per second and peak memory; for fuzz_record_to_report also how many of them were new
# records, drawn, and how many repeated a record already drawn (read and saved only).
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time="${1:-15}")
if [[ "${1:-}" == "--runs" ]]; then
    [[ -n "${2:-}" ]] || { echo "usage: $0 [SECONDS] | --runs COUNT" >&2; exit 2; }
    limit=(-runs="$2")
fi
targets=${FUZZ_TARGETS:-"fuzz_project_reader fuzz_ned_import fuzz_client_info_import fuzz_record_to_report"}

mkdir -p build
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUENRA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > build/fuzz-configure.log 2>&1 ||
    { cat build/fuzz-configure.log; exit 1; }
# shellcheck disable=SC2086
cmake --build build/fuzz -j"${JOBS:-2}" --target $targets

# Undefined behaviour and memory errors end the run like a crash.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

# The whole-pipeline target reads its first byte as the reader to use: 0 project file,
# 1 ".ned", 2 ".ini".
seed_record_corpus() {
    local corpus=$1 file prefix
    for file in examples/* tests/data/*; do
        case "$file" in
        *.qrx) prefix='\x00' ;;
        *.ned) prefix='\x01' ;;
        *.ini) prefix='\x02' ;;
        *) continue ;;
        esac
        { printf "$prefix"; cat "$file"; } > "$corpus/seed-$(basename "$file")"
    done
}

for fuzzer in $targets; do
    corpus=build/fuzz/corpus/$fuzzer
    mkdir -p "$corpus"
    if [[ -d fuzz/corpus/$fuzzer ]]; then
        cp -n fuzz/corpus/"$fuzzer"/* "$corpus"/ 2>/dev/null || true
    fi
    schedule=()
    if [[ $fuzzer == fuzz_record_to_report ]]; then
        seed_record_corpus "$corpus"
        # Records with thousands of grid labels take a hundred times longer than the rest;
        # mutating them less often draws half as many records again per hour, reaching about
        # the same edges. FUZZ_EVEN_SCHEDULE=1 gives every input its usual share again.
        [[ "${FUZZ_EVEN_SCHEDULE:-0}" == 1 ]] || schedule=(-entropic_scale_per_exec_time=1)
    else
        cp -n examples/* tests/data/* "$corpus"/ 2>/dev/null || true
    fi
    echo "fuzz: $fuzzer (${limit[*]})"
    # Leaks are not looked for (detect_leaks=0 above), so libFuzzer need not run an input a
    # second time when it leaves memory allocated, as the remembered records do.
    build/fuzz/$fuzzer "${limit[@]}" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
        -detect_leaks=0 "${schedule[@]}" -print_final_stats=1 "$corpus" > "build/fuzz/$fuzzer.log" 2>&1 ||
        { tail -n 60 "build/fuzz/$fuzzer.log"; exit 1; }
    awk '/^stat::number_of_executed_units/ {runs=$2} /^stat::average_exec_per_sec/ {rate=$2}
         /^stat::peak_rss_mb/ {rss=$2} /^records:/ {records=sprintf(" (records: %s new, %s met before)", $2, $4)}
         END {printf "fuzz: %s inputs, %s inputs/s, %s MB peak%s\n", runs, rate, rss, records}' \
        "build/fuzz/$fuzzer.log"
    if [[ "${FUZZ_MERGE:-0}" == 1 ]]; then
        rm -rf "fuzz/corpus/$fuzzer" && mkdir -p "fuzz/corpus/$fuzzer"
        build/fuzz/$fuzzer -merge=1 -max_len="${FUZZ_MERGE_MAX_LEN:-16384}" -timeout=10 \
            -rss_limit_mb=2048 \
            "fuzz/corpus/$fuzzer" "$corpus" > "build/fuzz/$fuzzer-merge.log" 2>&1 ||
            { tail -n 30 "build/fuzz/$fuzzer-merge.log"; exit 1; }
    fi
done
echo "fuzz: no crashes"
