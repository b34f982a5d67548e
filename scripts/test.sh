#!/usr/bin/env bash
# Sets up, builds and runs every test: all of them in a release build (the end-to-end test
# and the package's included), the fuzz targets' corpora replayed in a clang build, then
# every test again, the widget tests included, under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
    ctest --preset "$1" -j "$jobs"
}
preset release
if command -v clang++ >/dev/null; then
    preset fuzz
else
    echo "clang++ not found: the fuzz corpora are not replayed"
fi
preset asan
