#!/usr/bin/env bash
# Sets up, builds and runs every test: all of them in a normal build, then the core tests
# again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVANO_SANITIZE=ON -DZELVANO_GUI=OFF >/dev/null
cmake --build build-asan -j "$jobs" --target zelvano_core_tests
ctest --test-dir build-asan --output-on-failure -j "$jobs"
