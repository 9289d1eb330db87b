#!/bin/bash
# Installs what is missing, builds, and runs every test: the test programs,
# the model tests once more under valgrind, and a short benchmark run; then
# the tests once more under sanitizers and a short run of each fuzz target.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES valgrind"
install_packages "$SANITIZER_PACKAGES"
prepare_system

# Runs as the ordinary user. SOURCE BUILD
run_suite() {
    build_tree "$1" "$2"
    cd "$2"
    # Screenshots and fetched PPDs go to a folder of this run's own.
    export TMPDIR=$(mktemp -d)
    echo "Screenshots of this run (kept if it fails): $TMPDIR/vellumark-*.png"
    HOME=$(mktemp -d) ctest -LE root --output-on-failure -j 4
    echo "== Model tests under valgrind"
    for t in tests/model_*; do
        [ -f "$t" ] && [ -x "$t" ] || continue
        case "$t" in *.log) continue ;; esac
        bash "$1/tests/model/valgrind.sh" "$t" >"$t.valgrind.log" 2>&1 \
            || { cat "$t.valgrind.log"; echo "valgrind: $t failed"; exit 1; }
        echo "clean: $t"
    done
    if [ -x bench/vellumark_bench ]; then
        echo "== Benchmark (short run)"
        # The home search's figures need a home of 200,000 files: not for CI.
        bench/vellumark_bench --benchmark_min_time=0.01 --benchmark_filter=-HomeSearch
    fi
}

# Runs as the ordinary user: the tests once more, built with clang under
# AddressSanitizer and UBSan in a tree of their own: every fuzz target for a
# short while from its seeds, all at once, then the tests. SOURCE BUILD
run_sanitized() {
    echo "== Build with AddressSanitizer and UBSan"
    CC=clang-14 CXX=clang++-14 cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELLUMARK_BUILD_FUZZ=ON -DVELLUMARK_BUILD_BENCH=OFF >/dev/null
    cmake --build "$2" -j "$(nproc)"
    cd "$2"
    export TMPDIR=$(mktemp -d)
    export ASAN_OPTIONS=detect_leaks=1
    export LSAN_OPTIONS="suppressions=$1/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    echo "== Fuzz targets, 30 s each"
    local pids=() targets=() t
    for t in fuzz/fuzz_*; do
        [ -f "$t" ] && [ -x "$t" ] || continue
        t=$(basename "$t")
        targets+=("$t")
        bash "$1/fuzz/run.sh" "$2" "$t" 30 "$TMPDIR/corpus-$t" >"$TMPDIR/$t.log" 2>&1 &
        pids+=($!)
    done
    local i failed=0
    for i in "${!pids[@]}"; do
        t=${targets[$i]}
        if wait "${pids[$i]}"; then
            echo "clean: $t, $(sed -n 's/^stat::number_of_executed_units: *//p' "$TMPDIR/$t.log") runs"
        else
            tail -n 60 "$TMPDIR/$t.log"
            echo "fuzz: $t found a fault; the input is in $TMPDIR/corpus-$t/findings"
            failed=1
        fi
    done
    if [ "$failed" -ne 0 ]; then exit 1; fi
    echo "== Tests under AddressSanitizer and UBSan"
    HOME=$(mktemp -d) ctest -LE root --output-on-failure -j 4
}

# The window against the web interface's options page, briefly (the full
# run, with 50 queues: bench/web_vs_window.sh). SOURCE BUILD
run_web_bench() {
    if [ -x "$2/bench/vellumark_windowbench" ]; then
        echo "== Window against the web interface (short run)"
        bash "$1/bench/web_vs_window.sh" --brief "$2"
    fi
}

# Everything a run makes goes into a folder of its own, so two runs on one
# machine never meet; it is removed when the run passes and kept for a look
# when it fails.
run_dir=$(mktemp -d /tmp/vellumark-test.XXXXXX)
chmod 755 "$run_dir"
mkdir "$run_dir/tmp"
export TMPDIR="$run_dir/tmp"
finish() {
    if [ "$1" -eq 0 ]; then
        rm -rf "$run_dir"
    else
        echo "The run's folder is kept for a look: $run_dir"
    fi
}
trap 'finish $?' EXIT

if [ "$(id -u)" -eq 0 ]; then
    ensure_test_user
    work=$run_dir
    copy_source "$work/src"
    chown -R "$TEST_USER": "$work"
    runuser -u "$TEST_USER" -- env TMPDIR="$TMPDIR" bash -c "
        set -euo pipefail
        source '$work/src/scripts/common.sh'
        $(declare -f run_suite)
        run_suite '$work/src' '$work/build'"
    # The root refusal can only be shown as root.
    (cd "$work/build" && ctest -L root --output-on-failure)
    run_web_bench "$work/src" "$work/build"
    runuser -u "$TEST_USER" -- env TMPDIR="$TMPDIR" bash -c "
        set -euo pipefail
        $(declare -f run_sanitized)
        run_sanitized '$work/src' '$work/build-sanitized'"
else
    run_suite "$ROOT_DIR" "$ROOT_DIR/build"
    run_web_bench "$ROOT_DIR" "$ROOT_DIR/build"
    run_sanitized "$ROOT_DIR" "$ROOT_DIR/build-sanitized"
fi
