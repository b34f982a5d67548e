#!/usr/bin/env bash
# Installs the package $1 into a private root and starts the installed program on a private
# X display, with its own home and runtime folder: the first file dialog comes up, the
# program is told to quit and ends cleanly, its window carries the program icon, and
# nothing is written into the installed files. $2 is the main window's caption.
#
# Nothing here waits a fixed time: each step waits for the window it needs, for as long as
# the program lives, and the test's own time limit ends a program that hangs.
set -euo pipefail
deb=$1 titolo=$2
for strumento in dpkg-deb Xvfb xdotool xprop; do
    if ! command -v "$strumento" >/dev/null; then
        echo "$strumento is missing: scripts/setup.sh installs it"
        exit 77
    fi
done

t=$(mktemp -d "${TMPDIR:-/tmp}/zelvano-avvio.XXXXXX")
server="" programma=""
chiudi() {
    [ -z "$programma" ] || kill "$programma" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$t"
}
trap chiudi EXIT

dpkg-deb -x "$deb" "$t/radice"
elenco() { (cd "$t/radice" && find . -printf '%M %s %T@ %p\n' | LC_ALL=C sort -k4); }
prima=$(elenco)

# Xvfb writes its display number once it accepts clients; -noreset keeps it from resetting
# between one xdotool call and the next.
mkfifo "$t/schermo"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$t/schermo" 2>"$t/xvfb.log" &
server=$!
read -r numero <"$t/schermo" || { cat "$t/xvfb.log"; exit 1; }
export DISPLAY=":$numero"

mkdir -m 700 "$t/run"
mkdir -p "$t/casa" "$t/lavoro"
(cd "$t/lavoro" && exec env -u WAYLAND_DISPLAY -u SESSION_MANAGER QT_QPA_PLATFORM=xcb \
    HOME="$t/casa" XDG_RUNTIME_DIR="$t/run" XDG_DATA_HOME="$t/casa/.local/share" \
    XDG_CONFIG_HOME="$t/casa/.config" XDG_CACHE_HOME="$t/casa/.cache" \
    "$t/radice/usr/bin/zelvano" >"$t/programma.log" 2>&1) &
programma=$!

# Waits for the visible window titled exactly $1 and puts its id in $trovata. xdotool gives
# up with an X error when a window closes while it looks: then it looks again. Runs in this
# shell, not in a $(...), so that it can wait on the program and end the test.
finestra() {
    local cercatore finito stato
    for _ in $(seq 50); do
        xdotool search --sync --onlyvisible --name "^$1\$" >"$t/trovate" 2>/dev/null &
        cercatore=$!
        set +e
        wait -n -p finito "$cercatore" "$programma"
        stato=$?
        set -e
        if [ "$finito" = "$programma" ]; then
            kill "$cercatore" 2>/dev/null || true
            programma=""
            echo "The program ended ($stato) before showing \"$1\":"
            cat "$t/programma.log"
            exit 1
        fi
        if [ "$stato" -eq 0 ]; then
            trovata=$(head -n 1 "$t/trovate")
            return
        fi
    done
    echo "xdotool could not look for \"$1\""
    exit 1
}
tasto() { # window, key
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers "$2"
}

finestra "Apri file Database"
tasto "$trovata" Escape
finestra "Zelvano" # "Richiesta interrotta"
tasto "$trovata" Return
finestra "$titolo"
principale=$trovata

icona=$(xprop -id "$principale" -f _NET_WM_ICON 32c ' $0 $1' _NET_WM_ICON)
if ! grep -Eq '^_NET_WM_ICON\(CARDINAL\) [1-9][0-9]* [1-9][0-9]*$' <<<"$icona"; then
    echo "The main window carries no icon: $icona"
    exit 1
fi

tasto "$principale" F2
set +e
wait "$programma"
stato=$?
set -e
programma=""
if [ "$stato" -ne 0 ]; then
    echo "The program ended with $stato:"
    cat "$t/programma.log"
    exit 1
fi

dopo=$(elenco)
if [ "$prima" != "$dopo" ]; then
    echo "The program changed its installed files:"
    diff <(printf '%s\n' "$prima") <(printf '%s\n' "$dopo") || true
    exit 1
fi
