#!/usr/bin/env bash
# Long fuzzing sessions, one target after another:
#   scripts/fuzz.sh [seconds per target, default 600] [target ...]
# Targets: Apertura FileOutput Filtro Sostituzione (all of them by default). Each grows a
# working corpus in $ZELVANO_FUZZ_CORPUS/<target> (default ~/.cache/zelvano-fuzz), starting
# from the committed seeds in tests/fuzz/corpus/<target>, which it never writes to; a crash
# leaves its input in $ZELVANO_FUZZ_CORPUS/crash/. Needs clang and libclang-rt-14-dev.
#
# To refresh the committed seeds from a working corpus: the fewest files that reach every
# edge, merged into an empty folder that then takes the place of tests/fuzz/corpus/<target>:
#   build-fuzz/tests/fuzz/fuzz_<target> -set_cover_merge=1 -use_counters=0 <empty folder> \
#       tests/fuzz/corpus/<target> <working corpus>
set -euo pipefail
cd "$(dirname "$0")/.."
durata=${1:-600}
shift || true
bersagli=("$@")
[ ${#bersagli[@]} -gt 0 ] || bersagli=(Apertura FileOutput Filtro Sostituzione)
cartella=${ZELVANO_FUZZ_CORPUS:-${XDG_CACHE_HOME:-$HOME/.cache}/zelvano-fuzz}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELVANO_FUZZ=ON -DZELVANO_GUI=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target zelvano_fuzz
# The targets write, rename and fsync a few files per input: in memory when possible.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

falliti=()
for t in "${bersagli[@]}"; do
    mkdir -p "$cartella/$t" "$cartella/crash"
    echo "=== fuzz_$t for ${durata}s, corpus $cartella/$t"
    # Long inputs from the start: a few hundred user operations, or catalogue lines with
    # their descriptions, need more bytes than the seeds have.
    if ! build-fuzz/tests/fuzz/fuzz_"$t" -max_total_time="$durata" -max_len=4096 -len_control=0 \
        -print_final_stats=1 -artifact_prefix="$cartella/crash/$t-" \
        "$cartella/$t" "tests/fuzz/corpus/$t"; then
        falliti+=("$t")
    fi
done
if [ ${#falliti[@]} -gt 0 ]; then
    echo "Crashed: ${falliti[*]} (inputs in $cartella/crash)"
    exit 1
fi
