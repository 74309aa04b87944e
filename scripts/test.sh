#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/setup.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
