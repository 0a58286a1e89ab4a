#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time on its growing corpus.
#   tools/fuzz.sh BUILD_DIR SECONDS
# The corpus lives in BUILD_DIR/corpus/<target> (seeded from fuzz/corpus);
# an input that fails is written to BUILD_DIR/artifacts/ and the run fails.
set -uo pipefail
build=$1
seconds=$2
top=$(cd "$(dirname "$0")/.." && pwd)
status=0
passed=0
failed=0
for target in evaluate_fuzz number_text_fuzz table_input_fuzz; do
    seeds="$top/fuzz/corpus/${target%_fuzz}"
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/artifacts"
    log="$build/$target.log"
    "$build/fuzz/$target" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds" >"$log" 2>&1
    rc=$?
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
