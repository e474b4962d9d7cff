#!/bin/sh
# Builds the program (and with it the demo video) and starts it on the demo
# video, which the main window opens from KINOTAB_OPEN_VIDEO.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINOTAB_TESTS=OFF -DKINOTAB_BENCH=OFF
cmake --build build
KINOTAB_OPEN_VIDEO="${KINOTAB_OPEN_VIDEO:-$PWD/build/resources/demo/kinotab-demo.avi}"
export KINOTAB_OPEN_VIDEO
exec ./build/app/kinotab "$@"
