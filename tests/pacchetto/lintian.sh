#!/usr/bin/env bash
# Debian's own checks of the package: no error. Warnings and notes are shown, each one to be
# answered in the package or accepted knowingly.
set -euo pipefail
deb=$1
if ! command -v lintian >/dev/null; then
    echo "lintian is missing: scripts/setup.sh installs it"
    exit 77
fi
esito=$(lintian --display-info "$deb" 2>&1 | grep -v '^running with root privileges' || true)
printf '%s\n' "$esito"
if grep -q '^E: ' <<<"$esito"; then
    exit 1
fi
