#!/bin/bash
# Runs the test programs as test.sh does (as the ordinary user, the root
# tests aside) with twice as many at once as there are cores, while a few
# CPU-bound processes that this script starts and ends keep the machine
# busy: no test may depend on how fast the machine is. Repeats the run and
# stops at the first round that fails.
#
#   scripts/busy-test.sh [--rounds N] [--burners N] [BUILD_DIR]
#
# Defaults: 3 rounds, one burner per core, BUILD_DIR = build. The tree must
# be built already (scripts/test.sh or cmake --build).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

cores=$(nproc)
rounds=3
burners=$cores
while [ $# -gt 0 ]; do
    case "$1" in
    --rounds) rounds=$2; shift 2 ;;
    --burners) burners=$2; shift 2 ;;
    *) break ;;
    esac
done
build=$(cd "${1:-$ROOT_DIR/build}" && pwd)
jobs=$((2 * cores))

burner_pids=()
stop_burners() {
    local pid
    for pid in "${burner_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${burner_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    burner_pids=()
}
trap stop_burners EXIT INT TERM

run_round() { # ROUND
    local home tmp
    home=$(mktemp -d)
    tmp=$(mktemp -d)
    if [ "$(id -u)" -eq 0 ]; then
        ensure_test_user
        chmod -R a+rwX "$build"
        chown "$TEST_USER": "$home" "$tmp"
        (cd "$build" && runuser -u "$TEST_USER" -- env HOME="$home" TMPDIR="$tmp" \
            ctest -LE root --output-on-failure -j "$jobs")
    else
        (cd "$build" && HOME="$home" TMPDIR="$tmp" ctest -LE root --output-on-failure -j "$jobs")
    fi
}

for _ in $(seq 1 "$burners"); do
    (while :; do :; done) &
    burner_pids+=($!)
done
echo "== $burners CPU-bound processes started on $cores cores; ctest -j $jobs"

for round in $(seq 1 "$rounds"); do
    echo "== Round $round of $rounds, load before: $(cut -d" " -f1-4 /proc/loadavg)"
    start=$(date +%s)
    if ! run_round "$round"; then
        echo "== Round $round FAILED (load $(cut -d" " -f1-4 /proc/loadavg))"
        exit 1
    fi
    echo "== Round $round passed in $(($(date +%s) - start)) s, load after: $(cut -d" " -f1-4 /proc/loadavg)"
done
echo "== All $rounds rounds passed on a busy machine"
