#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suite, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded
# run of the save-file reader's fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== static checks"
bash scripts/static-checks.sh build

echo "== sanitizer build and test"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZENTRIVO_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$jobs")

if [ -x tests/fuzz/run.sh ] || [ -f tests/fuzz/run.sh ]; then
  echo "== fuzzing the save-file reader"
  bash tests/fuzz/run.sh "${ZENTRIVO_FUZZ_RUNS:-200000}"
fi
