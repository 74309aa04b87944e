#!/usr/bin/env bash
# Builds the Debian package as Debian builds one: the program alone, in a fresh folder, with the flags of
# dpkg-buildflags. On the way checks that an install after building only the program (as run.sh does) is
# whole and that an install from a build lacking a file copies nothing. Then checks the package with lintian,
# installs it with apt, starts the installed programs and removes the package again.
# Changes the system's packages: meant for CI; stops when a fluvara package is installed already.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FLUVARA_SETUP=packages source "$repo/scripts/setup.sh"
check="$repo/tests/install/check_installed.sh"

if dpkg-query -W -f='${Status}' fluvara 2>/dev/null | grep -q "install ok installed"; then
  echo "A fluvara package is installed already; remove it first (apt-get remove fluvara)." >&2
  exit 1
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package_build="$work/build"
cmake -S "$repo" -B "$package_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUVARA_BUILD_TESTS=OFF \
  -DFLUVARA_BUILD_BENCHMARKS=OFF -DFLUVARA_DEBIAN_BUILDFLAGS=ON >/dev/null
cmake --build "$package_build" -j "$(nproc)" --target fluvara
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$package_build/CMakeCache.txt")
has_batch=$([ -f "$repo/batch/CMakeLists.txt" ] && echo 1 || echo 0)

# Built for the program alone, the install is whole: every file there, the programs start.
"$check" install "$package_build" "$work/tree" "$version" "$has_batch"
"$check" files "$package_build" "$work/tree" "$version" "$has_batch"
"$check" program "$package_build" "$work/tree" "$version" "$has_batch"
echo "An install after building only the program is whole"

# A build that lacks a file installs nothing and says what is missing.
rm "$package_build/desktop/fluvara.1.gz"
if DESTDIR="$work/refused" cmake --install "$package_build" --prefix /usr >"$work/refused.log" 2>&1; then
  fail "an install without fluvara.1.gz went ahead"
fi
grep -q "Nothing was installed" "$work/refused.log" && grep -q "desktop/fluvara.1.gz" "$work/refused.log" ||
  fail "the refused install does not say why: $(cat "$work/refused.log")"
[ -z "$(find "$work/refused" ! -type d 2>/dev/null)" ] || fail "the refused install copied: $(find "$work/refused")"
echo "An install from a build that lacks a file copies nothing"

# cpack builds whatever is missing first.
packages="$build/packages"
rm -rf "$packages"
(cd "$package_build" && cpack -G DEB -B "$packages")
deb=$(ls "$packages"/fluvara_*.deb)
echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Package Version Installed-Size Depends Recommends

# Debian's own checks: an error fails, and so does a program built without the hardening flags.
lintian --pedantic --display-info --fail-on error "$deb" 2>&1 | tee "$work/lintian.log" ||
  fail "lintian found errors"
! grep -q "hardening-no-" "$work/lintian.log" || fail "the programs lack hardening flags"
echo "lintian finds no error"

trap 'as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq fluvara >/dev/null; rm -rf "$work"' EXIT
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
man -w fluvara >/dev/null && zcat /usr/share/doc/fluvara/changelog.gz | head -1

as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq fluvara >/dev/null
trap 'rm -rf "$work"' EXIT
[ ! -e /usr/bin/fluvara ] || { echo "/usr/bin/fluvara is still there after removal" >&2; exit 1; }
echo "Package installed, started and removed"
