#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need.
# Installs only what is missing; needs root (or sudo) when something is.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libgl-dev
  libsqlcipher-dev sqlcipher
  qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2 poppler-utils abiword
  # The tests' word processor that converts RTF, and the faces its tests print in.
  libreoffice-writer-nogui fonts-dejavu-core fonts-urw-base35
  cups cups-client cups-bsd
  xvfb xauth
  dpkg-dev file
  desktop-file-utils appstream lintian
  clang libclang-rt-14-dev
)

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
