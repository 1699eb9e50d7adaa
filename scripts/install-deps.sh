#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages the build, the tests and the viewer need,
# when any of them is missing; or only the packages named on the command line.
set -euo pipefail

packages=(
  cmake g++ make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libqt6svg6
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libbenchmark-dev libuchardet-dev libpoppler-qt6-dev libarchive-dev libxml2-dev qt6-image-formats-plugins
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth x11-apps imagemagick fonts-dejavu-core
  desktop-file-utils shared-mime-info xdg-utils
  g++-mingw-w64-x86-64-posix wine64
)
if (($#)); then packages=("$@"); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
