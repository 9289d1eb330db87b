#!/bin/sh
# Runs one test program under valgrind's memcheck. Fails on any memory error
# or definite/indirect leak; Qt's still-reachable blocks are not counted.
# Usage: tests/model/valgrind.sh <test-binary> [test arguments...]
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 <test-binary> [arguments...]" >&2
    exit 2
fi

: "${QT_QPA_PLATFORM:=offscreen}"
export QT_QPA_PLATFORM
# QRegularExpression's JIT code makes memcheck report false errors.
QT_ENABLE_REGEXP_JIT=0
export QT_ENABLE_REGEXP_JIT

exec valgrind --quiet --tool=memcheck --leak-check=full \
    --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
    --error-exitcode=1 "$@"
