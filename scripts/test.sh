#!/usr/bin/env bash
# Sets up, builds and runs every test: all of them in a normal build (the end-to-end test
# included), the fuzz targets' corpora replayed in a clang build, then the core tests again
# under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
if command -v clang++ >/dev/null; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZELVANO_FUZZ=ON -DZELVANO_GUI=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs" --target zelvano_fuzz
    ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
else
    echo "clang++ not found: the fuzz corpora are not replayed"
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVANO_SANITIZE=ON -DZELVANO_GUI=OFF >/dev/null
cmake --build build-asan -j "$jobs" --target zelvano_core_tests
ctest --test-dir build-asan --output-on-failure -j "$jobs"
