#!/usr/bin/env bash
# Sets up, builds and starts Zelvano on a fresh working copy of the examples, made outside
# the checkout, so that trying the program never changes the tracked files.
set -euo pipefail
cd "$(dirname "$0")/.."
sorgente=$(pwd)
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target zelvano
esempi="${XDG_DATA_HOME:-$HOME/.local/share}/Zelvano/esempi"
rm -rf "$esempi"
mkdir -p "$esempi/output"
cp examples/articoli.ber examples/catalogo.orv "$esempi/"
echo "Esempi da provare in $esempi"
cd "$esempi"
exec "$sorgente/build/src/app/zelvano" "$@"
