#!/usr/bin/env bash
# Installs what is missing, builds Quenra and starts it on the bundled fire pump example.
# Without a display (a server, a container) it runs under a virtual one and saves a picture of
# every page into build/page-shots instead.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build/app -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/app -j"${JOBS:-2}" --target quenra page-shots

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/quenra examples/Plant.qrx
fi
echo "No display: saving the pages of examples/Plant.qrx as pictures in build/page-shots"
xvfb-run -a -s "-screen 0 1280x1024x24" build/app/page-shots examples/Plant.qrx build/page-shots
