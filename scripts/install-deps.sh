#!/usr/bin/env bash
# Installs the Debian packages that are missing, and needs root (or sudo) when some are.
#   install-deps.sh           everything the build, the tests and the program need
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
# Running the program and the tests: the platform plugins, the fonts the documents are
# measured in, the test and benchmark libraries, the tools the tests read their output
# with, the private print server, the checks of the package (lintian, hardening-check
# from devscripts, man for the manual pages) and clang for the fuzz targets.
tests=(
  qt6-qpa-plugins sqlcipher
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2 poppler-utils abiword
  # The tests' word processor that converts RTF, and the faces its tests print in.
  libreoffice-writer-nogui fonts-dejavu-core fonts-urw-base35
  cups cups-client cups-bsd
  xvfb xauth
  desktop-file-utils appstream lintian devscripts man-db
  clang libclang-rt-14-dev
)

case "${1:-all}" in
  all) packages=("${package_build[@]}" "${tests[@]}") ;;
  package) packages=("${package_build[@]}") ;;
  *)
    echo "usage: install-deps.sh [package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
