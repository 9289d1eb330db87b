#!/bin/bash
# Installs what is missing, builds, starts a sandbox CUPS with sample queues
# and runs Vellumark against it as an ordinary user. Without $DISPLAY it runs
# on a virtual screen, saves a screenshot and ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES xvfb x11-utils imagemagick"
prepare_system

work=/tmp/vellumark-demo
if [ "$(id -u)" -eq 0 ]; then
    ensure_test_user
    copy_source "$work/src"
    chown -R "$TEST_USER": "$work"
    run_user=(runuser -u "$TEST_USER" --)
    src="$work/src"
else
    mkdir -p "$work"
    run_user=()
    src="$ROOT_DIR"
fi
shot="$work/vellumark-screenshot.png"

"${run_user[@]}" env SRC="$src" WORK="$work" SHOT="$shot" DISPLAY="${DISPLAY:-}" bash -c '
    set -euo pipefail
    export USER=$(id -un)
    source "$SRC/scripts/common.sh"
    build_tree "$SRC" "$WORK/build"
    data="$SRC/tests/data"
    sandbox="$WORK/cups"
    bash "$SRC/tests/cups/sandbox-cups.sh" stop "$sandbox"
    export CUPS_SERVER=$(bash "$SRC/tests/cups/sandbox-cups.sh" start "$sandbox" \
        "$data/demo-showcase.ppd" "Tolvane_TX9000" \
        "$data/queue-tolvane.ppd" "Tolvane_TX4020" \
        "$data/queue-rbor.ppd" "RB_ORVA_RB210" \
        "$data/queue-twofilters.ppd" "Office_TX4025" \
        "$data/queue-foreign.ppd" "Other_Maker")
    trap "bash \"$SRC/tests/cups/sandbox-cups.sh\" stop \"$sandbox\"" EXIT
    echo "Sandbox CUPS at $CUPS_SERVER with queues: $(lpstat -e | tr "\n" " ")"
    app="$WORK/build/vellumark"
    if [ -n "$DISPLAY" ]; then
        "$app" & pid=$!
        sleep 4
        import -window root "$SHOT" 2>/dev/null && echo "Screenshot saved to $SHOT"
        echo "Vellumark is running; close its window to end the demo."
        wait $pid || true
    else
        export DISPLAY=:97
        Xvfb :97 -screen 0 1024x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
        sleep 1
        # Answer the first-start consent question so the main window shows.
        [ -f "/usr/share/tolvane/$USER/Settings" ] || "$app" -t false
        "$app" & pid=$!
        sleep 4
        import -window root "$SHOT"
        kill $pid 2>/dev/null || true
        kill $xvfb 2>/dev/null || true
        echo "No display: Vellumark ran on a virtual screen. Screenshot saved to $SHOT"
    fi
'
