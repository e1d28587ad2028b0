#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for
# use, once more under AddressSanitizer and UndefinedBehaviorSanitizer; then
# fuzzes the whole flow for a minute (a crash fails the run).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_SANITIZE=ON \
    -DBRINDLE_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== fuzzing the whole flow for 60 seconds"
scripts/fuzz.sh 60
