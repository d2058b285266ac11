#!/usr/bin/env bash
# Builds the saved-puzzle reader's fuzz target with clang in a build tree of
# its own and runs it for a bounded number of inputs (the first argument,
# 100000 by default), starting from the seed corpus. Exits non-zero on any
# fault; the input that caused it is kept in the build tree's fuzz-artifacts.
set -euo pipefail
runs=${1:-100000}
case "$runs" in '' | *[!0-9]*) echo "usage: $0 [number of inputs]" >&2; exit 2 ;; esac
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ZENTRIVO_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZENTRIVO_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_savefile -j"$(nproc)"

# New inputs go to a scratch corpus; the seed corpus is only read.
# The target writes every input to a file: in memory (/dev/shm) where there is
# one, which is many times faster than a disk.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/tmp"
mkdir -p "$build/fuzz-artifacts"
log="$build/fuzz-last-run.log"
status=0
TMPDIR="$work/tmp" "$build/tests/fuzz/fuzz_savefile" -runs="$runs" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
    "$work/corpus" "$root/tests/fuzz/corpus" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  echo "fuzz: FAULT (exit $status); see $log and $build/fuzz-artifacts/" >&2
  exit "$status"
fi
done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
if [ -z "$done_runs" ]; then
  tail -n 20 "$log"
  echo "fuzz: the run did not report its inputs; see $log" >&2
  exit 1
fi
grep -E '^stat::(number_of_executed_units|new_units_added)' "$log" || true
echo "fuzz: $done_runs inputs ran without a fault"
