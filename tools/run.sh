#!/bin/sh
# Builds the program and starts it on the bundled demo video.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINOTAB_TESTS=OFF -DKINOTAB_BENCH=OFF
cmake --build build
exec ./build/app/kinotab "$@"
