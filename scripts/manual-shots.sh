#!/usr/bin/env bash
# Regenerates the pictures of the manual (doc/images) from the examples with tools/page-shots,
# under a virtual display: the window's pages exactly as the program draws them, never edited
# by hand. Run it after a change to the window's pages and commit the pictures with it.
#   scripts/manual-shots.sh [BUILD-FOLDER]   (default build/app, as scripts/run.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/app}
./scripts/setup.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"${JOBS:-2}" --target page-shots

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
for example in Plant Hydrant; do
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$build/page-shots" "examples/$example.qrx" "$shots/$example" >/dev/null
done

# Which page of which example each picture of the manual shows (tab numbers of page-shots:
# the fire pump example's tabs are Fire Pump Test, Comments, Pump Test 1..5, Graph, Report,
# Setup; the hydrant example's Fire Hydrant Test, Comments, Graph, Report, Setup).
# The report is shown one page at a time, as the "One Page" button shows it.
mkdir -p doc/images
cp "$shots/Hydrant/tab0.png" doc/images/hydrant.png
cp "$shots/Plant/tab2.png" doc/images/pump-test.png
cp "$shots/Plant/tab7.png" doc/images/graph.png
cp "$shots/Plant/report-BitBtn1.png" doc/images/report.png
cp "$shots/Plant/tab9.png" doc/images/setup.png
du -ch doc/images/*.png | tail -n 1
