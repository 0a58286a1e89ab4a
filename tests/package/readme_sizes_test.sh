#!/usr/bin/env bash
# The README states each Windows download's and program's size as the build
# makes it: "`NAME` (N MiB)", N the file's size rounded to as many decimals
# as N is written with, give or take one in the last of them (a change of a
# few KiB that crosses a rounding boundary leaves the README still true).
#   readme_sizes_test.sh README.md FILE...
set -uo pipefail
readme=$1
shift
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

text=$(tr '\n' ' ' <"$readme")
for file in "$@"; do
    name=$(basename "$file")
    stated=$(grep -o "\`${name//./\\.}\` ([0-9.]* *MiB)" <<<"$text" | head -1 | sed 's/.*(\([0-9.]*\) *MiB)/\1/')
    if [ -z "$stated" ]; then
        fail "the README states no size for $name, as \`$name\` (N MiB)"
        continue
    fi
    fraction=${stated#*.}
    [ "$fraction" = "$stated" ] && fraction=""
    decimals=${#fraction}
    actual=$(stat -c %s "$file" | awk -v d="$decimals" '{ printf "%.*f", d, $1 / 1048576 }')
    off=$(awk -v s="$stated" -v a="$actual" -v d="$decimals" 'BEGIN { x = (s - a) * 10 ^ d; if (x < 0) x = -x; print (x > 1.5) }')
    [ "$off" = 0 ] && ok "$name: $stated MiB (the build makes $actual)" || fail "$name: the README says $stated MiB, the build makes $actual MiB"
done

exit $((failures > 0))
