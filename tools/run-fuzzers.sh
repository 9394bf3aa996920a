#!/bin/sh
# Runs every libFuzzer target of a fuzz build for a bounded time from the seed corpus kept in
# fuzz/corpus/<name>/. New inputs go to <build>/fuzz-corpus/<name>/, never into the sources;
# a crash, leak, hang (10 s on one input; 2 s for the preview document, where a slow layout is
# the fault looked for), memory blow-up or sanitizer report fails the run and leaves the input
# in <build>/fuzz-artifacts/.
# Usage: sh tools/run-fuzzers.sh <fuzz build dir> [seconds per fuzzer]
set -u

build=${1:?usage: run-fuzzers.sh <fuzz build dir> [seconds]}
seconds=${2:-60}
seeds="$(cd "$(dirname "$0")/.." && pwd)/fuzz/corpus"
# The fuzzers keep their application folder in TMPDIR, and libFuzzer exits without removing
# it. Writing an engine file syncs it to disk; in memory that costs nothing and the fuzzer
# runs more than twice as many inputs.
memory=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && memory=/dev/shm
TMPDIR=$(mktemp -d "$memory/vellumo-fuzz.XXXXXX") || exit 1
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT INT TERM

status=0
for name in enginefile preview previewdocument copydeck xlsx; do
    program="$build/fuzz/fuzz_$name"
    if [ ! -x "$program" ]; then
        echo "no fuzzer $program (build the fuzz targets first)"
        exit 1
    fi
    corpus="$build/fuzz-corpus/$name"
    artifacts="$build/fuzz-artifacts"
    log="$build/fuzz-logs/$name.log"
    timeout=10
    [ "$name" = previewdocument ] && timeout=2
    dict=""
    [ -f "$seeds/../$name.dict" ] && dict="-dict=$seeds/../$name.dict"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    echo "== fuzz_$name for $seconds s (log: $log)"
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
        LSAN_OPTIONS="suppressions=$seeds/../lsan.supp" \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$program" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -detect_leaks=1 \
        -print_final_stats=1 -artifact_prefix="$artifacts/${name}-" $dict \
        "$corpus" "$seeds/$name" >"$log" 2>&1
    code=$?
    grep -E '^(Done|stat::(number_of_executed_units|peak_rss_mb|new_units_added))' "$log"
    if [ "$code" -ne 0 ]; then
        echo "fuzz_$name failed with status $code:"
        tail -n 60 "$log"
        status=1
    fi
done
exit $status
