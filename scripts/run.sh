#!/usr/bin/env bash
# Installs what is missing, builds Kestova and starts it. Extra arguments go to
# the program (for example a card file to open).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTOVA_BENCHMARKS=OFF
cmake --build "$build" --target kestova -j "$(nproc)"
exec "$build/src/kestova" "$@"
