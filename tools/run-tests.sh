#!/usr/bin/env bash
# Runs the tests of every module: one Octave process per module, so that a
# module that crashes Octave fails on its own without hiding the others.
#
# Usage: tools/run-tests.sh [--init CODE] DIR...
#   DIR     folders holding NAME.oct and NAME.cc-tst; all go on the path
#   CODE    Octave code run first in every process (e.g. a pkg load)
# Ends with the line "N passed, N failed"; exits non-zero on any failure.
set -u
init=""
if [ "${1:-}" = "--init" ]; then init=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: $0 [--init CODE] DIR..." >&2; exit 2; }

tools=$(cd "$(dirname "$0")" && pwd)
path="$tools"
tests=()
declare -A file_of
for d in "$@"; do
  d=$(cd "$d" && pwd) || exit 2
  path="$path:$d"
  for f in "$d"/*.cc-tst; do
    [ -e "$f" ] || continue
    t=$(basename "$f" .cc-tst)
    tests+=("$t")
    file_of[$t]=$f
  done
done
[ ${#tests[@]} -gt 0 ] || { echo "no test files found in $*" >&2; echo "0 passed, 1 failed"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export init path out
run_one () {
  octave-cli --no-history --no-init-file --path "$path" \
    --eval "${init:+$init; }test_module ('$1')" > "$out/$1.log" 2>&1
  echo "EXIT $?" >> "$out/$1.log"
}
export -f run_one
printf '%s\n' "${tests[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one {}'

passed=0 failed=0
for t in "${tests[@]}"; do
  log="$out/$t.log"
  line=$(grep "^RESULT $t " "$log" | tail -n 1)
  code=$(sed -n 's/^EXIT //p' "$log")
  if [ -n "$line" ] && [ "$code" = 0 ]; then
    set -- $line
    p=$3 n=$4
  else
    # Octave died or never reported: the whole module counts as failed.
    p=0
    n=$(( $(grep -c '^%!\(assert\|test\|error\|fail\|warning\)' "${file_of[$t]}") + 1 ))
    echo "$t: Octave ended abnormally (exit ${code:-?}):"
  fi
  if [ "$p" -ne "$n" ] || [ -z "$line" ]; then
    grep -v '^RESULT \|^EXIT ' "$log" | sed 's/^/    /'
  fi
  printf '%-60s %4d of %4d\n' "$t" "$p" "$n"
  passed=$((passed + p)); failed=$((failed + n - p))
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
