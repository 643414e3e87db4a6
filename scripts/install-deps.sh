#!/usr/bin/env bash
# Installs the Debian 12 packages Tavelin builds, runs and tests with; skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin qt6-qpa-plugins
  libgl-dev fonts-noto-cjk
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xdotool imagemagick poppler-utils x11-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
