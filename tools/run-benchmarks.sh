#!/bin/sh
# Runs every benchmark of a build headless and repeats their ratio lines at the end.
# Usage: sh tools/run-benchmarks.sh <build dir>
set -u

build=${1:?usage: run-benchmarks.sh <build dir>}
bench="$build/bench"
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT INT TERM

# A benchmark sits in the bench folder or in a folder of its own just below it; CMake's own
# folders (CMakeFiles, bench_*_autogen) hold no runnable bench_* files.
programs=$(find "$bench" -maxdepth 2 -type f -name 'bench_*' -perm -u+x 2>/dev/null \
    | grep -v '/CMakeFiles/' | sort)
if [ -z "$programs" ]; then
    echo "no benchmarks in $bench (build the \"benchmarks\" target first)"
    exit 1
fi

status=0
for program in $programs; do
    name=$(basename "$program")
    mkdir -p "$scratch/$name/config" "$scratch/$name/runtime"
    chmod 700 "$scratch/$name/runtime"
    echo "== $name"
    # The exit status crosses the pipe through a file; plain sh has no pipefail.
    {
        (cd "$(dirname "$program")" && QT_QPA_PLATFORM=offscreen \
            XDG_CONFIG_HOME="$scratch/$name/config" XDG_RUNTIME_DIR="$scratch/$name/runtime" \
            "./$name" 2>&1)
        echo $? >"$scratch/$name/status"
    } | tee "$scratch/$name/output"
    code=$(cat "$scratch/$name/status")
    if [ "$code" -ne 0 ]; then
        echo "$name failed with status $code"
        status=1
    fi
done

# One table of every ratio measured in this run, then the same as machine-readable lines.
cat "$scratch"/*/output | grep '^RATIO ' >"$scratch/ratios" || true
echo "== summary"
printf '%-31s %9s   %-10s %s\n' "measure" "value" "target" "result"
awk '{ printf "%-31s %9.2f   <= %-7s %s\n", $2, $3, $6, ($3 <= $6) ? "met" : "missed" }' \
    "$scratch/ratios"
cat "$scratch/ratios"
exit $status
