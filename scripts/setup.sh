#!/usr/bin/env bash
# Installs what the build needs (Debian/Ubuntu), then configures and builds: with
# FLUVARA_SETUP=program only the program, with FLUVARA_SETUP=packages nothing (the
# package test builds its own), otherwise everything with the tests.
# Sourced by run.sh, test.sh and package-test.sh; safe to run again.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FLUVARA_BUILD_DIR:-$repo/build}"

# What the program needs to build and run; run.sh stops there.
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n librsvg2-bin
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libcsv-dev nlohmann-json3-dev libxlsxwriter-dev liborcus-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
)
# What the tests, the benchmarks and the package checks need besides.
test_packages=(
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth poppler-utils imagemagick locales unzip
  desktop-file-utils appstream shared-mime-info man-db dpkg-dev file lintian
  clang libclang-rt-14-dev
)
program_only=$([ "${FLUVARA_SETUP:-}" = program ] && echo ON || echo OFF)
[ "$program_only" = ON ] || packages+=("${test_packages[@]}")

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${FLUVARA_SETUP:-}" = packages ]; then
  :
elif [ "$program_only" = ON ]; then
  # Only the program: a new user waits for neither the tests nor the benchmarks.
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFLUVARA_BUILD_TESTS=OFF -DFLUVARA_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$build" -j "$(nproc)" --target fluvara
else
  # German users run German locales; the tests prove the program ignores them.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFLUVARA_BUILD_TESTS=ON -DFLUVARA_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi
