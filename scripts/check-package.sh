#!/usr/bin/env bash
# The package check (ctest runs it as package_check): builds the Debian package from an
# existing build, unpacks it into a scratch folder and checks what an office installs:
# the program folder, the commands on the path, the menu entry, the theme icon and the
# AppStream metadata, lintian with no error; then starts the unpacked program offscreen
# on a sample database made by the unpacked velorast-createdb, until its main window
# shows, and closes it (through the probe library loaded into it); and a first start
# with no settings, which asks for the folder and makes nothing.
#   check-package.sh BUILD PROBE   (the build folder; the probe library)
# Exits 77 (skipped) when a packaging tool is missing.
set -euo pipefail
build=$(cd "$1" && pwd)
probe=$(realpath "$2")
source_dir=$(cd "$(dirname "$0")/.." && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli file; do
  if ! command -v "$tool" >/dev/null; then
    echo "package check: $tool is missing (scripts/install-deps.sh installs it); skipped"
    exit 77
  fi
done

scratch=$(mktemp -d /tmp/velorast-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")
fail() {
  echo "package check: $*" >&2
  exit 1
}

# The package, built from the build as it stands.
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
fi
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "velorast_${version}_${arch}.deb" ] || fail "package file named $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libsqlcipher0; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed: $depends"
done
echo "package check: $(basename "$deb"), Depends: $depends"

# Its contents: everything under /usr, no database.
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr
stray=$(cd "$scratch/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "files outside /usr: $stray"
[ -z "$(find "$scratch/root" -name '*.mdb')" ] || fail "the package holds a database"

# The program folder, laid out as the build's, and the commands on the path.
program=$root/lib/velorast
[ -x "$program/velorast" ] || fail "no program in lib/velorast"
for f in help.rtf scanmod96.jpg; do
  cmp -s "$program/$f" "$build/bin/$f" || fail "lib/velorast/$f differs from the build's"
done
for f in "$source_dir"/img/*; do
  cmp -s "$program/img/$(basename "$f")" "$f" || fail "lib/velorast/img/$(basename "$f") missing or different"
done
[ -L "$root/bin/velorast" ] && [ "$(realpath "$root/bin/velorast")" = "$program/velorast" ] ||
  fail "bin/velorast does not lead to lib/velorast/velorast"
[ -x "$root/bin/velorast-createdb" ] || fail "no bin/velorast-createdb"

# The menu entry, its icon at each size of the theme, the metadata.
desktops=("$root"/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "no single desktop entry"
desktop=${desktops[0]}
desktop-file-validate "$desktop" || fail "desktop entry not valid"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = velorast ] || fail "desktop entry runs $(entry Exec)"
[[ ";$(entry Categories)" == *";Office;"* ]] || fail "desktop entry not in Office: $(entry Categories)"
icon=$(entry Icon)
for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$icon.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "icon $png: $(file -b "$png" 2>&1)"
done
metainfos=("$root"/share/metainfo/*.metainfo.xml)
[ ${#metainfos[@]} -eq 1 ] && [ -f "${metainfos[0]}" ] || fail "no single metainfo file"
appstreamcli validate --no-net "${metainfos[0]}" || fail "metainfo not valid"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "${metainfos[0]}" ||
  fail "metainfo launches no $(basename "$desktop")"
grep -q "<release version=\"$version\"" "${metainfos[0]}" || fail "metainfo names no release $version"

# lintian: errors fail the check, the rest is shown.
lintian_status=0
lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$scratch/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

# The unpacked program on a sample database that the unpacked tool makes, its folder
# named in the settings as an office's settings name it.
mkdir "$scratch/data"
"$root/bin/velorast-createdb" "$scratch/data" --sample >/dev/null || fail "velorast-createdb failed"
mkdir -p "$scratch/config"
printf '[CaleBD]\nCaBD="%s"\n' "$scratch/data" >"$scratch/config/Velorast.ini"
status=0
XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=offscreen LD_PRELOAD=$probe \
  timeout 120 "$root/bin/velorast" >"$scratch/run.log" 2>&1 || status=$?
cat "$scratch/run.log"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -qxF "probe: program folder $program" "$scratch/run.log" || fail "the program did not find its folder $program"
grep -q '^probe: main window "' "$scratch/run.log" || fail "the main window did not show"
grep -q '^probe: closing question "' "$scratch/run.log" || fail "the program closed without its question"
# A first start, with no settings: the program asks for the database folder and makes
# no database of its own (the probe ends it at the folder choice, with status 3).
mkdir -p "$scratch/first/home" "$scratch/first/config" "$scratch/first/data"
status=0
HOME=$scratch/first/home XDG_CONFIG_HOME=$scratch/first/config XDG_DATA_HOME=$scratch/first/data \
  QT_QPA_PLATFORM=offscreen LD_PRELOAD=$probe \
  timeout 120 "$root/bin/velorast" >"$scratch/first.log" 2>&1 || status=$?
cat "$scratch/first.log"
[ "$status" -eq 3 ] && grep -q '^probe: dialog before the main window: "Alegeti dosarul bazei de date"' \
  "$scratch/first.log" || fail "a first start did not ask for the database folder (status $status)"
made=$(find "$scratch/first" -name '*.mdb' -o -name 'Velorast.ini')
[ -z "$made" ] || fail "a first start made a database or settings: $made"
echo "package check: passed"
