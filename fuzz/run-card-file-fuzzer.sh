#!/usr/bin/env bash
# Builds the card file fuzzer with clang, makes its seed corpus with the tests
# of an ordinary build, and runs it.
#   fuzz/run-card-file-fuzzer.sh PLAIN_BUILD_DIR FUZZ_BUILD_DIR SECONDS
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
plain="${1:?plain build folder}"
fuzzbuild="${2:?fuzz build folder}"
seconds="${3:-600}"

cmake -S "$root" -B "$fuzzbuild" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKESTOVA_FUZZ=ON -DKESTOVA_BENCHMARKS=OFF -DKESTOVA_WERROR=OFF >/dev/null
nice cmake --build "$fuzzbuild" -j2 --target card_file_fuzzer

seeds="$fuzzbuild/card-file-seeds"
corpus="$fuzzbuild/card-file-corpus"
mkdir -p "$seeds" "$corpus"
QT_QPA_PLATFORM=offscreen KESTOVA_FUZZ_SEEDS="$seeds" \
  "$plain/tests/kestova_core_tests" --gtest_filter='FuzzSeeds.*' >/dev/null

cd "$fuzzbuild"
nice -n 19 ./fuzz/card_file_fuzzer -dict="$root/fuzz/card_file.dict" -max_total_time="$seconds" \
  -rss_limit_mb=2048 -print_final_stats=1 "$corpus" "$seeds"
