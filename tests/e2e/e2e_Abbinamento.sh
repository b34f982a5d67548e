#!/usr/bin/env bash
# End to end: starts the built program on a private X server, answers its three file
# dialogs by typing paths, pairs, marks and saves with the function keys, pairs an article
# through its first suggestion and takes the pair back, turns on "dopo F3 vai al successivo
# da abbinare" from the menu by keys and pairs with two keys an article, answers the dialog
# for a taken catalogue article with Return, answers the closing question with keys, and
# compares the output file byte for byte with the 54-byte lines it must hold.
# Every file lives in a temporary folder; the program runs from a copy there, so its layout
# files and its single-instance lock are private too.
#
# Usage: e2e_Abbinamento.sh <path of the built zelvano>. Exits 77 (skipped) when Xvfb or
# xdotool is missing; scripts/setup.sh installs them. With ZELVANO_E2E_SCHERMATA set to a
# PNG path (and ImageMagick's import at hand) the screen is saved there while the choice
# dialog is up, as docs/dialogo-scelta.png was.
set -euo pipefail

programma=${1:?usage: $0 <zelvano executable>}
for strumento in Xvfb xdotool; do
    if ! command -v "$strumento" >/dev/null; then
        echo "SKIP: $strumento is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

attesa=${ZELVANO_E2E_ATTESA:-30} # seconds allowed for any one thing to happen
cartella=$(mktemp -d "${TMPDIR:-/tmp}/zelvano-e2e.XXXXXX")
pid_x=""
pid_z=""
fine() {
    local esito=$?
    set +e
    if [ -n "$pid_z" ]; then
        kill "$pid_z" 2>/dev/null
        wait "$pid_z" 2>/dev/null
    fi
    if [ -n "$pid_x" ]; then
        kill "$pid_x" 2>/dev/null
        wait "$pid_x" 2>/dev/null
    fi
    if [ "$esito" -ne 0 ] && [ -s "$cartella/zelvano.log" ]; then
        echo "--- program output"
        cat "$cartella/zelvano.log"
    fi
    rm -rf "$cartella"
    exit "$esito"
}
trap fine EXIT
trap 'exit 143' TERM INT HUP
fallisci() {
    echo "FAIL: $*" >&2
    exit 1
}

# Fixtures. I1 and I3 match a catalogue code once blanks, slashes and dots are gone, so the
# automatic run pairs them with catalogue lines 1 and 3; I2's code only occurs inside the
# codes of lines 2 and 5, which the catalogue grid shows for it; I4 and I5 match nothing;
# I6's and I7's codes are lines 6's and 7's in lower case, which the automatic run does not
# take for them.
riga_int() { printf '%-25s%-45s%-12s%-30s%s\r\n' "$1" "$2" "" "$3" "FINE"; }
riga_prod() { printf '%-25s%-13s%-3s%-213s%-50s\r\n' "$1" "0000012,50" "$2" "20101015" "$3"; }
{
    riga_int I1 "VITE 6X20" "AB 12"
    riga_int I2 "DADO M9" "ZZ-9"
    riga_int I3 "RONDELLA" "XY.7/1"
    riga_int I4 "MOLLA" "QQ1"
    riga_int I5 "PERNO" "MM5"
    riga_int I6 "SPINA" "mk40"
    riga_int I7 "SPINA" "mk41"
} >"$cartella/articoli.ber"
{
    riga_prod AB12 P01 "VITE TE 6X20"
    riga_prod ZZ-9B P02 "DADO M9 ALTO"
    riga_prod XY71 P03 "RONDELLA PIANA"
    riga_prod QQ-1 P04 "MOLLA A TAZZA"
    riga_prod ZZ-9C P05 "DADO M9 BASSO"
    riga_prod MK40 P06 "SPINA ELASTICA"
    riga_prod MK41 P07 "SPINA CILINDRICA"
} >"$cartella/catalogo.orv"
cp "$cartella/articoli.ber" "$cartella/articoli.prima"
cp "$cartella/catalogo.orv" "$cartella/catalogo.prima"
uscita="$cartella/abbinamenti.txt"
riga_out() { printf '%-25s%-25s%-1s%-3s\r\n' "$1" "$2" "$3" "$4"; }

# A private X server on a free display, and a private runtime folder for the lock. Without
# -noreset the server resets whenever its last client leaves (an xdotool call before the
# program has connected), and a program connecting during the reset fails.
exec 3>"$cartella/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp >"$cartella/xvfb.log" 2>&1 &
pid_x=$!
exec 3>&-
for _ in $(seq $((attesa * 10))); do
    [ -s "$cartella/display" ] && break
    sleep 0.1
done
[ -s "$cartella/display" ] || fallisci "Xvfb did not start: $(cat "$cartella/xvfb.log")"
DISPLAY=":$(head -n1 "$cartella/display")"
export DISPLAY
mkdir -m 0700 "$cartella/run" "$cartella/bin"
cp "$programma" "$cartella/bin/zelvano"
(
    cd "$cartella"
    exec env XDG_RUNTIME_DIR="$cartella/run" XDG_CONFIG_HOME="$cartella/config" \
        XDG_CACHE_HOME="$cartella/cache" XDG_DATA_HOME="$cartella/data" \
        QT_QPA_PLATFORM=xcb "$cartella/bin/zelvano"
) >"$cartella/zelvano.log" 2>&1 &
pid_z=$!

in_vita() {
    kill -0 "$pid_z" 2>/dev/null
}
# The id of the visible window whose title matches, once it is there.
finestra() {
    local id
    for _ in $(seq $((attesa * 10))); do
        in_vita || fallisci "the program ended while waiting for the window '$1'"
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fallisci "no window titled '$1' within ${attesa}s"
}
# Sends keys to the window with that id, focused first (no window manager to do it).
tasti() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id" key --delay 50 "$@"
}
scomparsa() {
    for _ in $(seq $((attesa * 10))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Types a path into the file dialog with that title and accepts it. A completion popup can
# take the first Return: a second one is sent only while the dialog is still up.
rispondi_file() {
    local titolo=$1 percorso=$2 id
    id=$(finestra "$titolo")
    xdotool windowfocus --sync "$id" type --delay 20 "$percorso"
    tasti "$id" Return
    scomparsa "$titolo" && return 0
    tasti "$id" Return 2>/dev/null || true
    scomparsa "$titolo" || fallisci "the dialog '$titolo' did not take $percorso"
}
# Waits until the file holds exactly the expected bytes; returns 1 when it never does.
attendi_file() {
    local file=$1 atteso=$2 secondi=$3
    for _ in $(seq $((secondi * 10))); do
        if [ -f "$file" ] && cmp -s "$file" "$atteso"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}
# Waits for the output file to hold the expected bytes, and fails showing both when it never
# does.
attendi_uscita() {
    attendi_file "$uscita" "$1" "$attesa" || confronta "$uscita" "$1" "$2"
}
confronta() {
    cmp -s "$1" "$2" && return 0
    echo "--- expected $3"
    od -c "$2" | head -40
    echo "--- got"
    od -c "$1" | head -40
    fallisci "$3 differs"
}

rispondi_file "Apri file Database" "$cartella/articoli.ber"
rispondi_file "Apri file Orvessa" "$cartella/catalogo.orv"
rispondi_file "Salva il file di output Zelvano" "$uscita"
principale=$(finestra "^Zelvano ")

# The automatic run paired I1 and I3. F1 saves; pressed while the opening is still busy it
# is lost, so it is pressed again until the file shows the run.
{
    riga_out AB12 I1 A P01
    riga_out "" I2 "" ""
    riga_out XY71 I3 A P03
    riga_out "" I4 "" ""
    riga_out "" I5 "" ""
    riga_out "" I6 "" ""
    riga_out "" I7 "" ""
} >"$cartella/atteso1"
salvato=""
for _ in $(seq 10); do
    tasti "$principale" F1
    if attendi_file "$uscita" "$cartella/atteso1" 3; then
        salvato=1
        break
    fi
done
[ -n "$salvato" ] || confronta "$uscita" "$cartella/atteso1" "the output file after the automatic run"

# The opening chose I2, the first article still to pair, and the catalogue grid shows lines
# 2 and 5. Tab goes from the input grid through the code box, the description box and the
# AND/OR choice to the catalogue grid, End chooses its last row (line 5), F3 pairs. F7 goes
# to I4, F5 marks it, F9 goes to I5, F1 saves.
tasti "$principale" Tab Tab Tab Tab End F3 F7 F5 F9 F1
{
    riga_out AB12 I1 A P01
    riga_out ZZ-9C I2 A P05
    riga_out XY71 I3 A P03
    riga_out "" I4 X ""
    riga_out "" I5 "" ""
    riga_out "" I6 "" ""
    riga_out "" I7 "" ""
} >"$cartella/atteso2"
attendi_uscita "$cartella/atteso2" "the output file after F3, F5 and F1"

# F7 goes to I6, Ctrl+1 takes its first suggestion (line 6, the same code in upper case) as
# the catalogue article and F3 pairs them; F1 saves. Ctrl+Z takes the pair back and F1
# saves the file as it was.
tasti "$principale" F7 ctrl+1 F3 F1
{
    riga_out AB12 I1 A P01
    riga_out ZZ-9C I2 A P05
    riga_out XY71 I3 A P03
    riga_out "" I4 X ""
    riga_out "" I5 "" ""
    riga_out MK40 I6 A P06
    riga_out "" I7 "" ""
} >"$cartella/atteso-suggerimento"
attendi_uscita "$cartella/atteso-suggerimento" "the output file after Ctrl+1, F3 and F1"
tasti "$principale" ctrl+z F1
attendi_uscita "$cartella/atteso2" "the output file after Ctrl+Z and F1"

# Alt+F and V turn on "dopo F3 vai al successivo da abbinare": Ctrl+1 and F3 pair I6 and
# go on to I7, two keys for the article. There Ctrl+2 chooses its second suggestion, line 6,
# which I6 has taken: F3 brings up the choice dialog, and Return answers "Abbandona", where
# the focus starts. F1 saves: I6 paired, I7 still free.
tasti "$principale" alt+f v ctrl+1 F3 ctrl+2 F3
# The dialog has no caption of its own (Qt shows the program's name): it is the one other
# window up.
scelta=""
for _ in $(seq $((attesa * 10))); do
    for id in $(xdotool search --onlyvisible --pid "$pid_z" 2>/dev/null); do
        if [ "$id" != "$principale" ]; then
            scelta=$id
        fi
    done
    [ -n "$scelta" ] && break
    sleep 0.1
done
[ -n "$scelta" ] || fallisci "no choice dialog for the taken catalogue article"
if [ -n "${ZELVANO_E2E_SCHERMATA:-}" ] && command -v import >/dev/null; then
    import -window root "$ZELVANO_E2E_SCHERMATA"
fi
tasti "$scelta" Return
tasti "$principale" F1
{
    riga_out AB12 I1 A P01
    riga_out ZZ-9C I2 A P05
    riga_out XY71 I3 A P03
    riga_out "" I4 X ""
    riga_out "" I5 "" ""
    riga_out MK40 I6 A P06
    riga_out "" I7 "" ""
} >"$cartella/atteso-successivo"
attendi_uscita "$cartella/atteso-successivo" "the output file after Ctrl+1, F3, Ctrl+2, F3, Return"

# F8 twice goes back to I5 and F5 marks it without saving. F2 asks to save: Escape cancels and
# the window stays; F2 again and Return (Yes, the default) saves and closes.
tasti "$principale" F8 F8 F5 F2
domanda=$(finestra "^Zelvano$")
tasti "$domanda" Escape
scomparsa "^Zelvano$" || fallisci "Escape did not close the question"
in_vita || fallisci "the program ended although the closing was cancelled"
tasti "$principale" F2
domanda=$(finestra "^Zelvano$")
tasti "$domanda" Return
for _ in $(seq $((attesa * 10))); do
    in_vita || break
    sleep 0.1
done
in_vita && fallisci "the program did not end after Yes to the closing question"
wait "$pid_z" || fallisci "the program ended with status $?"
pid_z=""

{
    riga_out AB12 I1 A P01
    riga_out ZZ-9C I2 A P05
    riga_out XY71 I3 A P03
    riga_out "" I4 X ""
    riga_out "" I5 X ""
    riga_out MK40 I6 A P06
    riga_out "" I7 "" ""
} >"$cartella/atteso3"
confronta "$uscita" "$cartella/atteso3" "the output file saved at closing"
confronta "$cartella/articoli.ber" "$cartella/articoli.prima" "the input file"
confronta "$cartella/catalogo.orv" "$cartella/catalogo.prima" "the catalogue"
echo "PASS"
