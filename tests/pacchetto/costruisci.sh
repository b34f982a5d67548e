#!/usr/bin/env bash
# Builds the Debian package of the build folder $1 in the folder $2, made anew, as
# `cpack -G DEB` does in the build folder; checks that it is the one file expected, $3.
set -euo pipefail
compilazione=$1 cartella=$2 atteso=$3
for strumento in cpack dpkg-deb dpkg-shlibdeps file; do
    if ! command -v "$strumento" >/dev/null; then
        echo "$strumento is missing: scripts/setup.sh installs it"
        exit 77
    fi
done
rm -rf "$cartella"
mkdir -p "$cartella"
cpack -G DEB --config "$compilazione/CPackConfig.cmake" -B "$cartella" >"$cartella/cpack.log" 2>&1 ||
    { cat "$cartella/cpack.log"; exit 1; }
fatti=$(cd "$cartella" && ls -- *.deb)
if [ "$fatti" != "$atteso" ]; then
    echo "expected $atteso, made: $fatti"
    exit 1
fi
