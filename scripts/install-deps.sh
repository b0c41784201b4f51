#!/usr/bin/env bash
# Installs every Debian package Kestova needs to build, run, test and benchmark.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  fonts-liberation fontconfig adwaita-icon-theme
  libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
