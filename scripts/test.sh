#!/usr/bin/env bash
# Installs what the tests need, builds everything (plug-ins, tests, benchmarks) and runs the whole
# suite through CTest.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NUBO_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh" --tests

export CCACHE_BASEDIR="$root"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DNUBO_BUILD_TESTS=ON -DNUBO_BUILD_BENCHMARKS=ON -DNUBO_WARNINGS_AS_ERRORS=ON
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure
