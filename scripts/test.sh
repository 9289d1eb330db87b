#!/bin/bash
# Installs what is missing, builds, and runs every test: the test programs,
# the model tests once more under valgrind, and a short benchmark run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES valgrind"
prepare_system

# Runs as the ordinary user. SOURCE BUILD
run_suite() {
    build_tree "$1" "$2"
    cd "$2"
    # Screenshots and fetched PPDs go to a folder of this run's own.
    export TMPDIR=$(mktemp -d)
    echo "Screenshots of this run: $TMPDIR/vellumark-*.png"
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
        bench/vellumark_bench --benchmark_min_time=0.01
    fi
}

if [ "$(id -u)" -eq 0 ]; then
    ensure_test_user
    work=/tmp/vellumark-test
    copy_source "$work/src"
    chown -R "$TEST_USER": "$work"
    runuser -u "$TEST_USER" -- bash -c "
        set -euo pipefail
        source '$work/src/scripts/common.sh'
        $(declare -f run_suite)
        run_suite '$work/src' '$work/build'"
    # The root refusal can only be shown as root.
    (cd "$work/build" && ctest -L root --output-on-failure)
else
    run_suite "$ROOT_DIR" "$ROOT_DIR/build"
fi

# The window against the web interface's options page, briefly (the full
# run, with 50 queues: bench/web_vs_window.sh).
if [ "$(id -u)" -eq 0 ]; then bench_src=$work/src bench_build=$work/build
else bench_src=$ROOT_DIR bench_build=$ROOT_DIR/build; fi
if [ -x "$bench_build/bench/vellumark_windowbench" ]; then
    echo "== Window against the web interface (short run)"
    bash "$bench_src/bench/web_vs_window.sh" --brief "$bench_build"
fi
