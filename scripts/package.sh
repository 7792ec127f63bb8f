#!/usr/bin/env bash
# Builds the Debian package of Quenra: a Release build in build/package, then `cpack -G DEB`.
# The package lands in build/package (quenra_<version>_<arch>.deb); its name is printed last.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

jobs=${JOBS:-2}
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUENRA_TESTS=OFF -DQUENRA_BENCH=OFF -DQUENRA_WERROR=ON
cmake --build build/package -j"$jobs" --target quenra Img2PDF app-icons
rm -f build/package/quenra_*.deb
(cd build/package && cpack -G DEB)
ls build/package/quenra_*.deb
