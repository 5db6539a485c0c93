#!/usr/bin/env bash
# Builds the Debian package of the program: build/numeralia_<version>-<release>_<arch>.deb.
# Install it with: sudo apt install ./build/numeralia_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The program folder is complete once the program is built (its files are dependencies of the
# numeralia target); the desktop files are the icons and manual pages.
cmake --build build --target numeralia numeralia-keys numeralia_desktop_files
rm -f build/numeralia_*.deb
(cd build && cpack -G DEB)
ls build/numeralia_*.deb
