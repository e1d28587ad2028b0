#!/usr/bin/env bash
# Builds the libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs it for SECONDS seconds (default 60)
# over the seed corpus. A crash, a leak, a timeout or running out of memory
# fails the script; the input that caused it is kept in fuzz/artifacts/.
#
#   scripts/fuzz.sh [SECONDS] [extra libFuzzer flags...]
#
# New inputs found are kept in fuzz/corpus-run/ and reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
case $seconds in
'' | *[!0-9]*)
    echo "usage: scripts/fuzz.sh [SECONDS] [libFuzzer flags...]" >&2
    exit 2
    ;;
esac

build=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: scripts/install-deps.sh installs it" >&2
    exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRINDLE_FUZZ=ON -DBRINDLE_GUI=OFF -DBRINDLE_TESTS=OFF -DBRINDLE_BENCH=OFF >/dev/null
cmake --build "$build" --target brindle-fuzz brindle-fuzz-seeds -j "$jobs"

seeds=$build/fuzz/seeds
corpus=fuzz/corpus-run
artifacts=fuzz/artifacts
rm -rf "$seeds"
"$build/fuzz/brindle-fuzz-seeds" "$seeds"
mkdir -p "$corpus" "$artifacts"

# One worker; inputs up to 128 KiB, so the sample container fits whole. A
# single input that takes 10 s is reported as a hang.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
    "$build/fuzz/brindle-fuzz" \
    -max_total_time="$seconds" \
    -max_len=131072 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -dict=fuzz/xom.dict \
    -artifact_prefix="$artifacts/" \
    -print_final_stats=1 \
    "$@" \
    "$corpus" "$seeds"
