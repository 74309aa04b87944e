#!/usr/bin/env bash
# Installs what is missing, builds and starts FLUVARA.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FLUVARA_SETUP=program source "$repo/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "FLUVARA is a desktop program and needs a graphical display, but none was found" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop session," >&2
  echo "or on a machine without a screen run (Debian package xvfb):  xvfb-run -a $build/app/fluvara" >&2
  exit 1
fi
exec "$build/app/fluvara"
