#!/usr/bin/env bash
# The whole test suite once more, built with clang under AddressSanitizer
# (leaks included) and UndefinedBehaviorSanitizer; any report fails its test.
# The same build holds the fuzz targets that scripts/fuzz.sh runs.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/setup.sh"
sanitize_build="${FLUVARA_SANITIZE_BUILD_DIR:-$repo/build-sanitize}"

CC=clang CXX=clang++ cmake -S "$repo" -B "$sanitize_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFLUVARA_FUZZ=ON -DFLUVARA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$sanitize_build" -j "$(nproc)"

source "$repo/scripts/sanitizer-env.sh"
# The random-action test runs its long version here.
export FLUVARA_RANDOM_ACTIONS="${FLUVARA_RANDOM_ACTIONS:-3000}"
cd "$sanitize_build"
ctest --output-on-failure -j "$(nproc)" --timeout 1200
