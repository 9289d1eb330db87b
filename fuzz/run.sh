#!/bin/bash
# Usage: bash fuzz/run.sh BUILD_DIR TARGET SECONDS [CORPUS_DIR]
# Runs one fuzz target of a build configured with -DVELLUMARK_BUILD_FUZZ=ON
# for SECONDS, starting from its seeds. New inputs go to CORPUS_DIR (a
# temporary folder when none is given), an input that fails to
# CORPUS_DIR/findings/. Exits non-zero when the target found a fault.
set -euo pipefail
build=$(realpath "$1")
target=$2
seconds=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
corpus=${4:-$(mktemp -d)}
mkdir -p "$corpus/findings"

# The PPD target starts from the tests' fixture PPDs, the others from their
# own seeds.
if [ "$target" = fuzz_ppd_model ]; then
    seeds=$here/../tests/data
else
    seeds=$here/seeds/$target
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS="suppressions=$here/../tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
cd "$corpus"
exec "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$corpus/findings/" "$corpus" "$seeds"
