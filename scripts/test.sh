#!/bin/bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES valgrind"
prepare_system

if [ "$(id -u)" -eq 0 ]; then
    ensure_test_user
    work=/tmp/vellumark-test
    copy_source "$work/src"
    chown -R "$TEST_USER": "$work"
    runuser -u "$TEST_USER" -- bash -c "
        set -e
        source '$work/src/scripts/common.sh'
        build_tree '$work/src' '$work/build'
        cd '$work/build'
        HOME=\$(mktemp -d) ctest -LE root --output-on-failure -j 4"
    # The root refusal can only be shown as root.
    (cd "$work/build" && ctest -L root --output-on-failure)
else
    build_tree "$ROOT_DIR" "$ROOT_DIR/build"
    cd "$ROOT_DIR/build"
    HOME=$(mktemp -d) ctest -LE root --output-on-failure -j 4
fi
