#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail
# clang and libclang-rt-14-dev build the fuzz targets; xvfb, xauth and xdotool run the
# end-to-end test on a private X server.
pacchetti=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev xvfb xauth xdotool)
mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${mancanti[@]}"
fi
