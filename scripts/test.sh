#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain
# build and in an address + undefined-behaviour sanitizer build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for config in plain sanitize; do
  build="$root/build/test-$config"
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if [ "$config" = sanitize ]; then
    flags=(-DCMAKE_BUILD_TYPE=Debug -DKESTOVA_SANITIZE=ON -DKESTOVA_BENCHMARKS=OFF)
  fi
  echo "=== $config build ==="
  cmake -S "$root" -B "$build" "${flags[@]}"
  cmake --build "$build" -j "$jobs"
  echo "=== $config tests ==="
  if ! (cd "$build" && ctest --output-on-failure -j "$jobs"); then
    status=1
  fi
done
exit $status
