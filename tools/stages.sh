#!/usr/bin/env bash
# Runs the stages of `make test` one after the other and prints, at the end,
# each stage's wall-clock time, the CPU time of everything it ran, and the
# tests it passed; stops at the first stage that fails.
#   tools/stages.sh MAKE LABEL TARGETS [LABEL TARGETS...]
# TARGETS are the make targets (and variables) of one stage, in one word.
# A daemon a stage leaves to itself (a wineserver) is not in its CPU time.
set -uo pipefail
make_command=$1
shift
log=$(mktemp)
cpu=$(mktemp)
trap 'rm -f "$log" "$cpu"' EXIT

# User plus system seconds of this shell's finished children so far, from
# `times` run in this shell itself (a subshell has children of its own).
children_cpu() {
    awk 'NR == 2 {
        total = 0
        for (i = 1; i <= 2; ++i) { split($i, t, /[ms]/); total += t[1] * 60 + t[2] }
        printf "%.1f", total }' "$cpu"
}

# ctest's "N% tests passed, F tests failed out of T" and the fuzzers'
# "fuzz: P passed, F failed".
count_tests() {
    awk '/tests passed, [0-9]+ tests failed out of/ { passed += $NF - $4; failed += $4 }
         /^fuzz: [0-9]+ passed, [0-9]+ failed$/ { passed += $2; failed += $4 }
         END { printf "%d %d", passed, failed }' "$log"
}

rows=()
all_passed=0
all_failed=0
started=$(date +%s)
status=0
while [ $# -ge 2 ]; do
    label=$1 targets=$2
    shift 2
    echo "=== $label: make $targets"
    stage_start=$(date +%s.%N)
    times >"$cpu"
    cpu_before=$(children_cpu)
    # shellcheck disable=SC2086 # TARGETS is split on purpose
    $make_command $targets 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    wall=$(awk -v a="$stage_start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    times >"$cpu"
    stage_cpu=$(awk -v a="$cpu_before" -v b="$(children_cpu)" 'BEGIN { print b - a }')
    read -r passed failed < <(count_tests)
    # A stage that failed before any test did (a build) counts as one failure.
    [ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
    all_passed=$((all_passed + passed))
    all_failed=$((all_failed + failed))
    result=$([ "$status" -eq 0 ] && echo "" || echo "  FAILED")
    rows+=("$(printf '%-34s %7.0f s %7.0f s %6s%s' "$label" "$wall" "$stage_cpu" \
        "$([ $((passed + failed)) -gt 0 ] && echo "$passed" || echo -)" "$result")")
    [ "$status" -eq 0 ] || break
done

echo
printf '%-34s %9s %9s %6s\n' "stage" "wall" "CPU" "tests"
printf '%s\n' "${rows[@]}"
printf '%-34s %7d s %9s %6d\n' "total" "$(($(date +%s) - started))" "" "$all_passed"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$status" -eq 0 ] || echo "FAILED: $label"
echo "tests: $all_passed passed, $all_failed failed"
exit "$status"
