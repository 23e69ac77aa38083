#!/usr/bin/env bash
# Installs the Debian packages that are missing. Installing needs root: run it as root,
# or as a user who may use sudo, where the system has it.
#   install-deps.sh           everything: building, running, the tests (scripts/test.sh)
#   install-deps.sh run       only what building and running the program need (scripts/run.sh)
#   install-deps.sh package   only what building the program and making its Debian
#                             package need (scripts/package.sh)
set -euo pipefail

# Building what the package ships, and making the package: the compiler, Qt with its
# translation tools, SQLCipher; dpkg-dev for the hardening flags, the change log and
# the package's library dependencies (dpkg-shlibdeps, with file).
package_build=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libsqlcipher-dev
  qt6-tools-dev qt6-l10n-tools
  dpkg-dev file
)
# Running the program: the fonts its windows and documents are written in, and a virtual
# display for a machine without one (scripts/run.sh starts the program on it).
running=(
  fonts-liberation2
  xvfb xauth
)
# The tests: the platform plugins, the SQLCipher shell, the test and benchmark libraries,
# the tools the tests read their output with, the private print server, the GTK theme
# that desktops of the GNOME family load into Qt (the language tests run the dialogs with
# it), Qt's platform headers (the screen reader's tests), the checks of the package
# (lintian, hardening-check from devscripts, man for the manual pages) and clang for the
# fuzz targets.
tests=(
  qt6-qpa-plugins sqlcipher
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  poppler-utils abiword
  # The tests' word processor that converts RTF, and the faces its tests print in.
  libreoffice-writer-nogui fonts-dejavu-core fonts-urw-base35
  # A face with a condensed face of its own, which the fit rule's tests narrow.
  fonts-dejavu-extra
  cups cups-client cups-bsd
  qt6-gtk-platformtheme
  # Qt's platform headers, with which a test switches on what a screen reader is told.
  qt6-base-private-dev
  desktop-file-utils appstream lintian devscripts man-db
  clang libclang-rt-14-dev
)

case "${1:-all}" in
  all) packages=("${package_build[@]}" "${running[@]}" "${tests[@]}") ;;
  run) packages=("${package_build[@]}" "${running[@]}") ;;
  package) packages=("${package_build[@]}") ;;
  *)
    echo "usage: install-deps.sh [run | package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps.sh: installing packages needs root, and this system has no sudo." >&2
    echo "Run it as root (su -c 'bash $0${1:+ $1}'), or install them as root:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
