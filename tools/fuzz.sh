#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time on its growing
# corpus, as many at once as there are cores.
#   tools/fuzz.sh BUILD_DIR SECONDS
# The targets are those in BUILD_DIR/fuzzers.txt (name and program a line,
# written by fuzz/CMakeLists.txt). The corpus lives in BUILD_DIR/corpus/<target>
# (seeded from fuzz/corpus); an input that fails is written to
# BUILD_DIR/artifacts/ and the run fails.
set -uo pipefail
build=$1
seconds=$2
top=$(cd "$(dirname "$0")/.." && pwd)
mapfile -t fuzzers <"$build/fuzzers.txt"
[ "${#fuzzers[@]}" -gt 0 ] || { echo "fuzz: no fuzzer in $build/fuzzers.txt"; exit 1; }
mkdir -p "$build/artifacts"

fuzz_one() {
    local target=$1 program=$2
    local seeds="$top/fuzz/corpus/${target%_fuzz}" corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    rm -f "$build/$target.status"
    "$program" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds" >"$build/$target.log" 2>&1
    echo $? >"$build/$target.status"
}

for line in "${fuzzers[@]}"; do
    read -r target program <<<"$line"
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
    fuzz_one "$target" "$program" &
done
wait

status=0
passed=0
failed=0
for line in "${fuzzers[@]}"; do
    read -r target _ <<<"$line"
    log="$build/$target.log"
    rc=$(cat "$build/$target.status" 2>/dev/null || echo 1)
    start=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$')
    end=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | grep -o '[0-9]*$')
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "$target: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), coverage ${start:-?} at start, ${end:-?} at end (+$(( ${end:-0} - ${start:-0} )) new)"
    if [ "$rc" -ne 0 ]; then
        echo "$target FAILED (exit $rc); log: $log"
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -n 5
        status=1
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
