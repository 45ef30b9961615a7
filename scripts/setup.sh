#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the program need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
  qt6-charts-dev libqt6opengl6-dev libqt6svg6-dev qt6-image-formats-plugins
  libgl-dev libxkbcommon-dev
  libxlsxwriter-dev libfreexl-dev libgif-dev zlib1g-dev
  sqlite3 poppler-utils
  fonts-wqy-microhei fonts-wqy-zenhei
  xdg-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
