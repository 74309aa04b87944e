#!/usr/bin/env bash
# check_installed.sh CHECK BUILD TREE VERSION HAS_BATCH
# "install" fills TREE (a DESTDIR with prefix /usr) from BUILD; every other CHECK examines it.
set -euo pipefail
check=$1 build=$2 tree=$3 version=$4 has_batch=$5
usr=$tree/usr
id=de.ko_lut.fluvara

fail() { echo "FAIL: $*" >&2; exit 1; }

case $check in
install)
  rm -rf "$tree"
  DESTDIR=$tree cmake --install "$build" --prefix /usr >/dev/null
  ;;

files)
  expected=(bin/fluvara share/applications/$id.desktop share/metainfo/$id.metainfo.xml
            share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg
            share/man/man1/fluvara.1.gz share/doc/fluvara/copyright share/doc/fluvara/changelog.gz
            share/doc/fluvara/README.md.gz share/lintian/overrides/fluvara)
  for size in 16 22 24 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x$size/apps/$id.png
    expected+=("$png")
    [ ! -f "$usr/$png" ] || file "$usr/$png" | grep -q "PNG image data, $size x $size," ||
      fail "$png is not a $size x $size picture: $(file "$usr/$png")"
  done
  if [ "$has_batch" = 1 ]; then expected+=(bin/fluvara-batch share/man/man1/fluvara-batch.1.gz); fi
  # Exactly these files: nothing missing, nothing installed that the tree does not have.
  printf './usr/%s\n' "${expected[@]}" | sort >"$tree.expected"
  (cd "$tree" && find . ! -type d | sort) >"$tree.found"
  diff -u "$tree.expected" "$tree.found" || fail "the installed files differ from the expected ones"
  [ -x "$usr/bin/fluvara" ] || fail "/usr/bin/fluvara is not executable"
  ;;

desktop_entry)
  entry=$usr/share/applications/$id.desktop
  desktop-file-validate "$entry"
  grep -qx "MimeType=application/x-fluvara-project;" "$entry" || fail "the menu entry does not open project files"
  # English for every desktop, German for German ones; both find the program by "sewer".
  for key in GenericName Comment Keywords; do
    grep -q "^$key=" "$entry" || fail "the menu entry has no English $key"
    grep -q "^$key\[de\]=" "$entry" || fail "the menu entry has no German $key"
  done
  grep -q "^Keywords=.*sewer;" "$entry" && grep -q "^Keywords\[de\]=.*Kanal;.*sewer;" "$entry" ||
    fail "a search for sewer does not find the menu entry"
  ;;

metainfo)
  # --no-net: the screenshots are web addresses that a build machine need not reach.
  appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml"
  # The tree as a whole: menu entry, icon and metadata found and matching one another.
  appstreamcli validate-tree --no-net "$tree/usr"
  grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
    fail "the newest release is not $version"
  # Release notes for every version of the change log, and no release the change log does not know.
  releases=$(grep -o '<release version="[^"]*"' "$usr/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
  logged=$(zcat "$usr/share/doc/fluvara/changelog.gz" | sed -n 's/^fluvara (\([^)]*\)).*/\1/p')
  [ "$releases" = "$logged" ] || fail "AppStream releases ($releases) differ from the change log ($logged)"
  ! grep -q '<release [^>]*/>' "$usr/share/metainfo/$id.metainfo.xml" || fail "a release without notes"
  grep -q "<project_license>.*GPL-3.0" "$usr/share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream licence does not say that the program is distributed under the GPL-3"
  ;;

documents)
  doc=$usr/share/doc/fluvara
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  zcat "$doc/changelog.gz" >"$log"
  [ "$(dpkg-parsechangelog -l "$log" -S Version)" = "$version" ] || fail "the change log's newest version is not $version"
  [ "$(zcat "$doc/README.md.gz" | head -1)" = "# FLUVARA" ] || fail "README.md.gz is not the README"
  # The sources are MIT; the program links Qt Charts, which Debian ships under the GPL-3.
  grep -qx "License: GPL-3" "$doc/copyright" && grep -q "/usr/share/common-licenses/GPL-3" "$doc/copyright" ||
    fail "the copyright file does not say that the package is distributed under the GPL-3"
  grep -qx "License: Expat" "$doc/copyright" || fail "the copyright file lacks the sources' licence"
  ;;

mime_type)
  # Build the MIME database from the installed package file alone, as the desktop does.
  db=$(mktemp -d)
  trap 'rm -rf "$db"' EXIT
  mkdir "$db/packages"
  cp "$usr/share/mime/packages/$id.xml" "$db/packages/"
  update-mime-database "$db"
  grep -q ":application/x-fluvara-project:\*\.fluvara$" "$db/globs2" || fail "*.fluvara is not a project file"
  grep -qx "application/x-fluvara-project application/json" "$db/subclasses" || fail "project files are not JSON"
  ;;

manual_pages)
  for page in "$usr"/share/man/man1/*.1.gz; do
    # The check Debian's lintian makes: no warnings from man and groff.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    name=$(basename "$page" .1.gz)
    lexgrog "$page" | grep -qF "\"$name - " || fail "$(basename "$page") has no name line for whatis"
    # Every option the program lists, and an example.
    text=$(zcat "$page" | sed 's/\\-/-/g')
    for option in $("$usr/bin/$name" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
      grep -qF -- "$option" <<<"$text" || fail "$(basename "$page") lacks $option"
    done
    grep -qx ".SH BEISPIELE" <<<"$text" || fail "$(basename "$page") has no examples"
  done
  # The windows of the menu Extras and what a project file named on the command line does.
  text=$(zcat "$usr/share/man/man1/fluvara.1.gz")
  for window in Teilfüllungskurven Abflusskurve Druckvorschau "Als PDF speichern" Haltungsliste fluvara\\-batch; do
    grep -qF -- "$window" <<<"$text" || fail "fluvara.1 does not describe $window"
  done
  grep -qF "im Fenster" <<<"$text" && ! grep -qF "noch keine Projektdateien" <<<"$text" ||
    fail "fluvara.1 does not say that a project file opens in the reach list"
  ;;

program)
  # The installed program starts, shows its window and ends by itself; with settings of its own.
  config=$(mktemp -d)
  trap 'rm -rf "$config"' EXIT
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen timeout 60 "$usr/bin/fluvara" --quit-after-show ||
    fail "installed fluvara: status $?"
  [ "$("$usr/bin/fluvara" --version)" = "fluvara $version" ] || fail "installed fluvara: wrong version"
  ;;

package_contents)
  packages=$(mktemp -d)
  trap 'rm -rf "$packages"' EXIT
  (cd "$build" && cpack -G DEB -B "$packages" >"$packages/cpack.log") || { cat "$packages/cpack.log"; fail "cpack"; }
  deb=$(ls "$packages"/*.deb)
  [ "$(basename "$deb")" = "fluvara_${version}_$(dpkg --print-architecture).deb" ] || fail "package name $(basename "$deb")"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
  [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
  # Dependencies found from the linked libraries, not written by hand.
  depends=$(dpkg-deb -f "$deb" Depends)
  for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation2; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
  done
  # Every installed file is in the package, and the package holds nothing else.
  (cd "$tree" && find . ! -type d | sort) >"$packages/installed"
  dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$packages/packaged"
  if ! diff -u "$packages/installed" "$packages/packaged"; then fail "package and installation differ"; fi
  # The package's programs are stripped; the build keeps its debugging information.
  dpkg-deb -x "$deb" "$packages/x"
  for program in "$packages"/x/usr/bin/*; do
    file "$program" | grep -q ", stripped" || fail "$(basename "$program") is not stripped"
  done
  ;;

*)
  fail "unknown check $check"
  ;;
esac
