#!/usr/bin/env bash
# Installs the Debian packages Natalis needs to build, test and run, if any are missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev qt6-translations-l10n
  libswe-dev swe-standard-data
  tzdata libhowardhinnant-date-dev libdate-tz3
  libtimezonemap-data libgeonames-common python3
  libgtest-dev libbenchmark-dev poppler-utils librsvg2-bin
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream groff-base
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando paquetes: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}"
fi
