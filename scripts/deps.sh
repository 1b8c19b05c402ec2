#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

# Every library the programs, tests, benchmarks and fuzzers link, and every
# tool the tests and scripts call, is named here even where another package
# happens to pull it in: --no-install-recommends leaves out what is only
# recommended.
PACKAGES=(
  # compilers and build tools
  build-essential cmake ninja-build pkg-config git
  # Qt 6 Widgets and PrintSupport; the platform plugins (offscreen for the
  # tests, xcb for the window) are loaded at run time; Qt's own Japanese
  # translations for the standard dialogs
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  # the workbook writer; xlsxwriter.pc links -lz, which libxlsxwriter-dev
  # does not bring
  libxlsxwriter-dev zlib1g-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the document font, drawn and embedded in the PDF
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  # looking at the real window
  xvfb xauth x11-apps imagemagick
  # the workbook and PDF read-back tests (openpyxl; pdfinfo, pdffonts, pdftotext)
  python3 python3-openpyxl poppler-utils
  # the fuzzing build: clang and its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # the Debian package and its test: CPack's Debian generator needs file and
  # dpkg-shlibdeps; desktop-file-validate, update-mime-database
  file dpkg-dev desktop-file-utils shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing (this takes a few minutes on a new machine): ${missing[*]}" >&2
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
