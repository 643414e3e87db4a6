#!/usr/bin/env bash
# Start-up time and idle memory of the editor, five runs under Xvfb (a real display server).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TAVELIN_BUILD_DIR:-$root/build}"
cmake --build "$build" --target bench_startup >/dev/null
for _ in 1 2 3 4 5; do
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/bench/startup/bench_startup" 2>/dev/null | grep shown
done
