#!/usr/bin/env bash
# Builds the Debian package build/natalis_<version>_amd64.deb with CPack. The program is
# built in a tree of its own (build/deb), for /usr, without the tests; the package's
# dependencies are the libraries dpkg-shlibdeps finds in the binary plus the data packages
# listed in cmake/Packaging.cmake.
#
#   scripts/package.sh
#   apt-get install ./build/natalis_<version>_amd64.deb     (as root)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The package needs only the program: `install` must not build every test first.
cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DNATALIS_PACKAGE_DIR="$PWD/build" "${launcher[@]}" \
  >/dev/null
cmake --build build/deb -j"$(nproc)" --target natalis
(cd build/deb && cpack -G DEB)
ls -l build/natalis_*_amd64.deb
