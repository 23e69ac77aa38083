#!/usr/bin/env bash
# The package check (ctest runs it as package_check): builds the Debian package from an
# existing build twice and compares the two byte for byte, unpacks it into a scratch
# folder and checks what an office installs: the size it says it installs, the program
# folder, the commands on the path, hardened (the format warnings read from the build's
# compile commands) and stripped, their manual pages, the menu entry, the theme icon, the
# AppStream metadata and the change log, lintian with no error and no warning; then
# asks the unpacked program for its help and version with no display, and starts it
# with none (it says it needs one and ends with 1); starts it
# offscreen on a sample database made by the unpacked velorast-createdb, until its main
# window shows, and closes it (through the probe library loaded into it); and a first
# start with no settings, which asks for the folder and makes nothing.
#   check-package.sh BUILD PROBE   (the build folder; the probe library)
# Exits 77 (skipped) when a packaging tool is missing.
set -euo pipefail
build=$(cd "$1" && pwd)
probe=$(realpath "$2")
source_dir=$(cd "$(dirname "$0")/.." && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli file \
  hardening-check readelf man; do
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

# The package, built from the build as it stands; and built again, a few seconds later:
# the two are the same byte for byte.
make_package() {
  if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/$1" >"$scratch/$1.log" 2>&1; then
    cat "$scratch/$1.log" >&2
    fail "cpack failed"
  fi
  debs=("$scratch/$1"/*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
}
make_package out
deb=${debs[0]}
sleep 2
make_package again
if ! cmp "$deb" "${debs[0]}"; then
  diff <(dpkg-deb -c "$deb"; dpkg-deb -I "$deb") <(dpkg-deb -c "${debs[0]}"; dpkg-deb -I "${debs[0]}") >&2 || true
  fail "the package built twice from one build differs"
fi
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "velorast_${version}_${arch}.deb" ] || fail "package file named $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libsqlcipher0; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = cups ] || fail "Recommends is not cups: $(dpkg-deb -f "$deb" Recommends)"
echo "package check: $(basename "$deb"), Depends: $depends"

# Its contents: everything under /usr, no database.
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr
# What it says it installs: the bytes of its files, each rounded up to a KiB, and a KiB
# for each link and folder; the program counted once, not again through its link.
installed=$(dpkg-deb -f "$deb" Installed-Size)
bytes=$(find "$scratch/root" -type f -printf '%s\n' | awk '{ total += $1 } END { print total + 0 }')
entries=$(find "$scratch/root" -mindepth 1 | wc -l)
[ "$((installed * 1024))" -ge "$bytes" ] && [ "$((installed * 1024))" -le "$((bytes + entries * 1024))" ] ||
  fail "Installed-Size is $installed KiB for $bytes bytes in $entries files, links and folders"
stray=$(cd "$scratch/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "files outside /usr: $stray"
[ -z "$(find "$scratch/root" -name '*.mdb')" ] || fail "the package holds a database"

# The program folder, laid out as the build's, and the commands on the path.
program=$root/lib/velorast
[ -x "$program/velorast" ] || fail "no program in lib/velorast"
for f in help.rtf scanmod96.jpg; do
  cmp -s "$program/$f" "$build/bin/$f" || fail "lib/velorast/$f differs from the build's"
done
# The paper's picture is read from the program folder only: img/ has no copy of it.
for f in "$source_dir"/img/*; do
  [ "$(basename "$f")" = scanmod96.jpg ] && continue
  cmp -s "$program/img/$(basename "$f")" "$f" || fail "lib/velorast/img/$(basename "$f") missing or different"
done
[ ! -e "$program/img/scanmod96.jpg" ] || fail "lib/velorast/img holds a second scanmod96.jpg"
[ -L "$root/bin/velorast" ] && [ "$(realpath "$root/bin/velorast")" = "$program/velorast" ] ||
  fail "bin/velorast does not lead to lib/velorast/velorast"
[ -x "$root/bin/velorast-createdb" ] || fail "no bin/velorast-createdb"

# Both commands built with Debian's hardening flags (stack protector, fortified
# functions, read-only relocations, immediate binding, position-independent), and
# stripped of the sections that only name the compiler. Control-flow protection is not
# asked: the C start-up files of Debian 12 carry no such marks, so no program linked
# there has them.
# The format warnings leave no trace in a binary: they are read from the build's own
# compile commands, each source of the two commands compiled with -Wformat and
# -Werror=format-security.
[ -f "$build/compile_commands.json" ] || fail "the build has no compile_commands.json"
unchecked=$(awk -v src="$source_dir/" '
  /^ *"command":/ { command = $0 }
  /^ *"file":/ {
    file = $0
    sub(/^ *"file": *"/, "", file)
    sub(/",? *$/, "", file)
    if (index(file, src "src/") == 1 || index(file, src "app/") == 1 || index(file, src "tools/createdb/") == 1) {
      sources++
      if (command !~ / -Wformat[ "]/ || command !~ / -Werror=format-security[ "]/) print file
    }
  }
  END { if (!sources) print "(no source of the program among the compile commands)" }' "$build/compile_commands.json")
[ -z "$unchecked" ] || fail "compiled without -Wformat -Werror=format-security: $unchecked"
for binary in "$program/velorast" "$root/bin/velorast-createdb"; do
  hardening-check --nocfprotection "$binary" || fail "hardening-check fails for $binary"
  sections=$(readelf -SW "$binary" | grep -oE '\.(comment|note) ' || true)
  [ -z "$sections" ] || fail "$binary keeps the sections $sections"
done

# The manual pages, compressed as Debian keeps them (no name, no time stamp), which man
# reads without a complaint.
for page in velorast velorast-createdb; do
  gz=$root/share/man/man1/$page.1.gz
  [ -f "$gz" ] || fail "no manual page $gz"
  file -b "$gz" | grep -q '^gzip compressed data, max compression' || fail "$gz: $(file -b "$gz")"
  [ "$(od -An -tu4 -j4 -N4 "$gz" | tr -d ' ')" = 0 ] || fail "$gz keeps a time stamp"
  man_status=0
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$gz" >"$scratch/$page.txt" 2>"$scratch/$page.err" ||
    man_status=$?
  [ "$man_status" -eq 0 ] && [ ! -s "$scratch/$page.err" ] ||
    { cat "$scratch/$page.err" >&2; fail "man -l $gz: status $man_status"; }
  grep -q "^ *$page - " "$scratch/$page.txt" || fail "the manual page of $page does not name it"
  grep -q "velorast $version" "$scratch/$page.txt" || fail "the manual page of $page is not of version $version"
done
grep -q '^STARE DE IESIRE' "$scratch/velorast-createdb.txt" || fail "the manual page of velorast-createdb gives no exit status"

# The change log, as the source keeps it, its newest entry this version.
changes=$root/share/doc/velorast/changelog.gz
zcat "$changes" | cmp -s - "$source_dir/packaging/changelog" || fail "$changes is not packaging/changelog"
[ "$(zcat "$changes" | head -1 | cut -d' ' -f2)" = "($version)" ] || fail "the change log does not begin with $version"

# The menu entry, its icon at each size of the theme, the metadata.
desktops=("$root"/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "no single desktop entry"
desktop=${desktops[0]}
desktop-file-validate "$desktop" || fail "desktop entry not valid"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = velorast ] || fail "desktop entry runs $(entry Exec)"
[[ ";$(entry Categories)" == *";Office;"* ]] || fail "desktop entry not in Office: $(entry Categories)"
for word in inmatriculare radiere contract vehicul auto; do
  [[ ";$(entry Keywords)" == *";$word;"* ]] || fail "desktop entry lacks the keyword $word: $(entry Keywords)"
done
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

# lintian: errors and warnings fail the check, the rest (information) is shown.
lintian_status=0
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$scratch/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"

# Asked for its help or its version, the program answers with no display at all.
for question in --help --version; do
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/velorast" "$question" \
    >"$scratch/answer.log" 2>&1 </dev/null || status=$?
  [ "$status" -eq 0 ] || { cat "$scratch/answer.log" >&2; fail "velorast $question ended with status $status"; }
  case $question in
    --help) grep -q '^Folosire: velorast' "$scratch/answer.log" || fail "velorast --help: $(cat "$scratch/answer.log")" ;;
    --version) [ "$(cat "$scratch/answer.log")" = "velorast $version" ] || fail "velorast --version: $(cat "$scratch/answer.log")" ;;
  esac
done

# Started with no display at all, it says in Romanian that it needs one, and ends with 1.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$scratch/nodisplay" "$root/bin/velorast" \
  >"$scratch/nodisplay.log" 2>&1 </dev/null || status=$?
[ "$status" -eq 1 ] && [ "$(cat "$scratch/nodisplay.log")" = \
  "velorast: programul are nevoie de un ecran grafic si nu a putut deschide niciunul (verificati DISPLAY sau WAYLAND_DISPLAY)." ] ||
  fail "velorast with no display: status $status, $(cat "$scratch/nodisplay.log")"

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
