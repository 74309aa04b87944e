#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, starts the installed programs, removes it again.
# Changes the system's packages: meant for CI; stops when a fluvara package is installed already.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/setup.sh"

if dpkg-query -W -f='${Status}' fluvara 2>/dev/null | grep -q "install ok installed"; then
  echo "A fluvara package is installed already; remove it first (apt-get remove fluvara)." >&2
  exit 1
fi

packages="$build/packages"
rm -rf "$packages"
(cd "$build" && cpack -G DEB -B "$packages")
deb=$(ls "$packages"/fluvara_*.deb)
echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Package Version Installed-Size Depends Recommends

trap 'as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq fluvara >/dev/null' EXIT
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"

# The installed program shows its window on a virtual screen and ends by itself once it is drawn.
command -v fluvara
timeout 120 xvfb-run -a fluvara --quit-after-show
echo "fluvara started, showed its window and ended"
fluvara --version
if [ -x /usr/bin/fluvara-batch ]; then
  fluvara-batch --version
fi
# The desktop knows the project files now: the package's MIME type is in the system database.
if [ -f /usr/share/mime/globs2 ]; then
  grep -q ":application/x-fluvara-project:\*\.fluvara$" /usr/share/mime/globs2
  echo "*.fluvara files are FLUVARA projects"
fi

as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq fluvara >/dev/null
trap - EXIT
[ ! -e /usr/bin/fluvara ] || { echo "/usr/bin/fluvara is still there after removal" >&2; exit 1; }
echo "Package installed, started and removed"
