#!/usr/bin/env bash
# Sets up, builds and starts Zelvano in the examples folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zelvano
cd examples
exec ../build/src/app/zelvano "$@"
