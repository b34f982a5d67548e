#!/usr/bin/env bash
# The package's files with their modes and owners, and its control fields: what an
# administrator installs.
set -euo pipefail
deb=$1 versione=$2
fallito=0
confronta() { # what, expected, actual
    if [ "$2" != "$3" ]; then
        echo "$1 differ (- expected, + actual):"
        diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") || true
        fallito=1
    fi
}

# Mode, owner and path of every entry; sizes and times change with every build.
atteso='drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/zelvano
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/applications/
-rw-r--r-- root/root ./usr/share/applications/zelvano.desktop
drwxr-xr-x root/root ./usr/share/doc/
drwxr-xr-x root/root ./usr/share/doc/zelvano/
-rw-r--r-- root/root ./usr/share/doc/zelvano/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/zelvano/copyright
drwxr-xr-x root/root ./usr/share/icons/
drwxr-xr-x root/root ./usr/share/icons/hicolor/'
for lato in 128 16 22 24 256 32 48 64; do
    atteso+="
drwxr-xr-x root/root ./usr/share/icons/hicolor/${lato}x${lato}/
drwxr-xr-x root/root ./usr/share/icons/hicolor/${lato}x${lato}/apps/
-rw-r--r-- root/root ./usr/share/icons/hicolor/${lato}x${lato}/apps/zelvano.png"
done
atteso+='
drwxr-xr-x root/root ./usr/share/icons/hicolor/scalable/
drwxr-xr-x root/root ./usr/share/icons/hicolor/scalable/apps/
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/zelvano.svg
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/zelvano.1.gz
drwxr-xr-x root/root ./usr/share/metainfo/
-rw-r--r-- root/root ./usr/share/metainfo/example.zelvano.Zelvano.metainfo.xml'
contenuto=$(dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' | LC_ALL=C sort -k3)
confronta "The files" "$(LC_ALL=C sort -k3 <<<"$atteso")" "$contenuto"

campi=$(dpkg-deb -f "$deb" Package Version Architecture Recommends)
confronta "The control fields" "Package: zelvano
Version: $versione
Architecture: $(dpkg --print-architecture)
Recommends: qt6-translations-l10n" "$campi"

# Depends: the Qt platform plugins, and the libraries the binary links, taken from it.
dipendenze=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | LC_ALL=C sort)
for p in qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -qx "$p" <<<"$dipendenze" || { echo "Depends lacks $p: $dipendenze"; fallito=1; }
done
estranee=$(grep -Evx 'libc6|libgcc-s1|libstdc\+\+6|libqt6[a-z]+6|qt6-qpa-plugins' \
    <<<"$dipendenze" || true)
confronta "Depends beyond Qt 6 and the C and C++ runtimes" "" "$estranee"

# The installed program carries no search path into the build folder.
radice=$(mktemp -d "${TMPDIR:-/tmp}/zelvano-contenuto.XXXXXX")
trap 'rm -rf "$radice"' EXIT
dpkg-deb -x "$deb" "$radice"
if command -v objdump >/dev/null; then
    percorsi=$(objdump -p "$radice/usr/bin/zelvano" | grep -E 'R(UN)?PATH' || true)
    confronta "Library search paths in the binary" "" "$percorsi"
fi
exit $fallito
