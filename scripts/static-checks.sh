#!/usr/bin/env bash
# Static checks of the project's own code: cppcheck, then clang-tidy with the
# checked-in .clang-tidy. Needs a configured build folder (for its
# compile_commands.json), given as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
echo "cppcheck: ${#sources[@]} files"
cppcheck --library=qt --std=c++17 -I src -I tools/picturetool \
  --enable=warning,performance,portability --inline-suppr \
  --suppress=missingIncludeSystem --error-exitcode=1 --quiet "${sources[@]}"
echo "clang-tidy: ${#sources[@]} files"
printf '%s\n' "${sources[@]}" | xargs -P"$(nproc)" -n4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "static checks: no findings"
