#!/usr/bin/env bash
# Fuzzes the RTF reader with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer for a
# bounded time (default 60 s). Usage: scripts/fuzz-rtf.sh [seconds]
# The corpus starts from tests/rtf/regressions and grows in the build folder, never in the tree.
# A crashing input is left in the build folder's artifacts/; copy it into tests/rtf/regressions/
# once the fault is mended, so the regression test keeps reading it.
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TAVELIN_RTF_FUZZ_BUILD_DIR:-${TMPDIR:-/tmp}/tavelin-rtf-fuzz}"
jobs="${TAVELIN_BUILD_JOBS:-2}"
sanitizers="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined"

cmake -S "$root/tests/rtf/fuzz" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j"$jobs" --target rtf_fuzzer

corpus="$build/corpus"
artifacts="$build/artifacts"
mkdir -p "$corpus" "$artifacts"
cp -n "$root"/tests/rtf/regressions/* "$corpus"/ 2>/dev/null || true

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
"$build/rtf_fuzzer" "$corpus" \
  -dict="$root/tests/rtf/fuzz/rtf.dict" \
  -max_total_time="$seconds" \
  -max_len=65536 \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -print_final_stats=1 \
  -artifact_prefix="$artifacts/" || status=$?

if [ "$status" -ne 0 ]; then
  echo "The fuzzer found a failing input; see $artifacts/" >&2
fi
exit "$status"
