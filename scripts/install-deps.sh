#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, if any is missing.
# With the argument "fuzz", also clang and its libFuzzer runtime for scripts/fuzz.sh.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
  qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev units
  poppler-utils  # pdftotext reads printed pages back in the window tests
  dpkg-dev file desktop-file-utils appstream)  # the Debian package: build and check
if [ "${1:-}" = fuzz ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
