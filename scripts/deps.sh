#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libgl-dev qt6-translations-l10n
  libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  xvfb xauth x11-apps imagemagick
  python3 python3-openpyxl poppler-utils
  clang
  dpkg-dev desktop-file-utils shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
