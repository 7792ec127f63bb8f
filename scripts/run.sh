#!/usr/bin/env bash
# Installs what is missing, builds Quenra and runs it on the bundled example project: the
# example is opened and saved again into build/Plant-saved.qrx exactly as the program saves it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build/app -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/app -j"${JOBS:-2}" --target quenra
build/app/quenra --version
build/app/quenra --convert examples/Plant.qrx build/Plant-saved.qrx
echo "Saved build/Plant-saved.qrx"
