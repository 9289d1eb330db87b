#!/bin/bash
# Installs what is missing, builds the program (not the tests), starts a
# sandbox CUPS with sample queues and runs Vellumark against it as an
# ordinary user. Without $DISPLAY it runs on a virtual screen, selects the
# showcase queue, saves one screenshot per tab and a contact sheet of them
# all, and ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES imagemagick xdotool"
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
shots="$work/screenshots"

"${run_user[@]}" env SRC="$src" WORK="$work" SHOTS="$shots" DISPLAY="${DISPLAY:-}" bash -c '
    set -euo pipefail
    export USER=$(id -un)
    cmake -S "$SRC" -B "$WORK/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELLUMARK_BUILD_TESTS=OFF -DVELLUMARK_BUILD_BENCH=OFF >/dev/null
    cmake --build "$WORK/build" -j "$(nproc)" --target vellumark
    data="$SRC/tests/data"
    sandbox="$WORK/cups"
    bash "$SRC/tests/cups/sandbox-cups.sh" stop "$sandbox"
    export CUPS_SERVER=$(bash "$SRC/tests/cups/sandbox-cups.sh" start "$sandbox" --owner $$ \
        "$data/demo-showcase.ppd" "Tolvane_TX9000" \
        "$data/queue-tolvane.ppd" "Tolvane_TX4020" \
        "$data/queue-rbor.ppd" "RB_ORVA_RB210" \
        "$data/queue-twofilters.ppd" "Office_TX4025" \
        "$data/queue-foreign.ppd" "Other_Maker")
    pids=()
    cleanup() {
        # The program before the X server it draws on.
        for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null || true; done
        bash "$SRC/tests/cups/sandbox-cups.sh" stop "$sandbox"
    }
    trap cleanup EXIT
    echo "Sandbox CUPS at $CUPS_SERVER with queues: $(lpstat -e | tr "\n" " ")"
    app="$WORK/build/vellumark"
    rm -rf "$SHOTS"
    mkdir -p "$SHOTS"
    if [ -n "$DISPLAY" ]; then
        "$app" & pids+=($!)
        sleep 4
        import -window root "$SHOTS/screen.png" 2>/dev/null && echo "Screenshot saved to $SHOTS/screen.png"
        echo "Vellumark is running; close its window to end the demo."
        wait "${pids[0]}" || true
        exit 0
    fi

    # A virtual screen on a display number the X server picks itself.
    number="$WORK/display"
    rm -f "$number"
    Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 & pids+=($!)
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
    [ -s "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n 1 "$number")"

    # Answer the first-start consent question so the main window shows.
    [ -f "/usr/share/tolvane/$USER/Settings" ] || "$app" -t false
    "$app" & pids+=($!)
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tolvane Vellumark$" | head -n 1)
    [ -n "$window" ] || { echo "The Vellumark window did not show" >&2; exit 1; }
    sleep 1

    # Places in the fixed 800 x 735 window: the first row of the printer
    # table, and the west tab bar of 180 x 49 tabs from (11, 11).
    # Typing a name in the table selects the row that starts with it.
    xdotool mousemove --window "$window" 250 55 click 1
    sleep 0.5
    xdotool type --delay 30 Tolvane_TX9000
    sleep 2

    # Only enabled tabs are in the bar; a click below the last one changes
    # nothing, and the picture is then the same as the one before.
    names=(printer basic layout finishing imaging publishing job watermark sentrel)
    previous=""
    taken=()
    for i in "${!names[@]}"; do
        xdotool mousemove --window "$window" 100 $((11 + 49 * i + 24)) click 1
        sleep 1
        shot="$SHOTS/$((i + 1))-${names[$i]}.png"
        import -window "$window" "$shot"
        if [ -n "$previous" ] && [ "$(compare -metric AE "$previous" "$shot" null: 2>&1 || true)" = "0" ]; then
            rm -f "$shot"
            break
        fi
        previous="$shot"
        taken+=("$shot")
    done
    montage -label "%t" "${taken[@]}" -geometry 400x368+8+8 -tile 3x "$SHOTS/contact-sheet.png"
    echo "No display: Vellumark ran on a virtual screen with Tolvane_TX9000 selected."
    echo "Screenshots of ${#taken[@]} tabs in $SHOTS:"
    for shot in "${taken[@]}" "$SHOTS/contact-sheet.png"; do echo "  $shot"; done
'
