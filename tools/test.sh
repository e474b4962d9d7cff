#!/bin/sh
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKINOTAB_SANITIZE=ON -DKINOTAB_BENCH=OFF
cmake --build build-test
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure
