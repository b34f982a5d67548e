#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing. The
# package manager's output is kept in a log and shown only when it fails.
set -euo pipefail
pacchetti=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev libbenchmark-dev
    librsvg2-bin
    # clang and libclang-rt-14-dev build the fuzz targets.
    clang libclang-rt-14-dev
    # The package and its checks: cpack's dependency list, Debian's and the desktop's
    # validators; and the private X display the end-to-end test and the installed program
    # run on.
    dpkg-dev file lintian desktop-file-utils appstream man-db xvfb xauth xdotool x11-utils)
mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    registro=$(mktemp "${TMPDIR:-/tmp}/zelvano-setup.XXXXXX")
    echo "Installing ${#mancanti[@]} Debian packages (first run only; the log is $registro)..."
    if ! { $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${mancanti[@]}"; } \
        >"$registro" 2>&1; then
        cat "$registro" >&2
        echo "The packages could not be installed: see above." >&2
        exit 1
    fi
    rm -f "$registro"
fi
