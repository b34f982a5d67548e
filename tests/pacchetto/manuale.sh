#!/usr/bin/env bash
# The manual page $1 reads without a complaint from man or groff, as lintian reads it.
set -euo pipefail
pagina=$1
if ! command -v man >/dev/null; then
    echo "man is missing: scripts/setup.sh installs man-db"
    exit 77
fi
lamentele=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$pagina" 2>&1 >/dev/null || echo "man failed")
if [ -n "$lamentele" ]; then
    printf '%s\n' "$lamentele"
    exit 1
fi
