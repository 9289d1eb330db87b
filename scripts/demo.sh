#!/bin/bash
# Installs what is missing, builds the program (not the tests), starts a
# sandbox CUPS with sample queues, puts their PPDs in the driver package's
# folder and runs Vellumark against it as an ordinary user. Without $DISPLAY
# it runs on a virtual screen, selects the showcase queue by typing its name
# and fails unless the window's title then names it, saves one screenshot
# per tab (each named by the tab the bar marks current), a contact sheet of
# them all and one of a saved profile's details, and ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "$BUILD_PACKAGES imagemagick xdotool"
prepare_system

# The sample queues' PPDs in the driver package's folder, where the profile
# view reads a saved profile's model; named from each PPD's model name by the
# program's own rule (brackets dropped, blanks joined by "_", the TPDL and
# TPSL words dropped, "B/W" spelt "Monochrome", "RB/ORVA" shortened to "RB").
# The program reads only a folder that root owns and no one else can write to.
maker_ppds=/usr/share/tolvane/ppd9.1
as_root install -d -m 755 -o root -g root "$maker_ppds"
as_root chmod 755 "$maker_ppds"
for ppd in demo-showcase queue-tolvane queue-rbor queue-twofilters; do
    model=$(sed -n 's/^\*ModelName: *"\(.*\)".*/\1/p' "$ROOT_DIR/tests/data/$ppd.ppd" | head -n 1)
    name=$(sed 's/\[//g; s/\]//g; s/ /_/g; s/_TPDL//g; s|B/W|Monochrome|g; s|RB/ORVA|RB|g; s/_TPSL//g' <<<"$model")
    as_root install -m 644 -o root -g root "$ROOT_DIR/tests/data/$ppd.ppd" "$maker_ppds/$name.ppd"
done

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
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tolvane Vellumark$" | head -n 1 || true)
    [ -n "$window" ] || { echo "The Vellumark window did not show" >&2; exit 1; }
    sleep 1

    # Places in the fixed 800 x 735 window: the first row of the printer
    # table, and the west tab bar of 180 x 49 tabs from (11, 11).
    # Typing a name in the table selects the row that starts with it.
    queue=Tolvane_TX9000
    xdotool mousemove --window "$window" 250 55 click 1
    sleep 0.5
    xdotool type --delay 30 "$queue"

    # Only what the window shows is said: its title names the selected queue,
    # and it must stay so once the typing has settled.
    wanted="Tolvane Vellumark - $queue"
    title=""
    steady=0
    for _ in $(seq 100); do
        title=$(xdotool getwindowname "$window" 2>/dev/null || true)
        if [ "$title" = "$wanted" ]; then
            steady=$((steady + 1))
            [ "$steady" -ge 5 ] && break
        else
            steady=0
        fi
        sleep 0.2
    done
    if [ "$title" != "$wanted" ] || [ "$steady" -lt 5 ]; then
        import -window "$window" "$SHOTS/not-selected.png" 2>/dev/null || true
        echo "FAILED: typing $queue in the printer table did not select it: the window title" >&2
        echo "reads \"$title\", not \"$wanted\". The window as it was: $SHOTS/not-selected.png" >&2
        exit 1
    fi

    # The tab bar holds only the enabled tabs, one slot after the other, in
    # the fixed order; the showcase queue enables all nine. A slot that holds
    # a tab has an icon and a text; the current tab is filled with the
    # highlight colour, read from the printer tab, which is current now.
    names=(printer basic layout finishing imaging publishing job watermark sentrel)
    slot_y() { echo $((11 + 49 * $1)); }
    slot_colours() { # PICTURE SLOT
        convert "$1" -crop "180x49+11+$(slot_y "$2")" +repage -format %k info:
    }
    edge_colour() { # PICTURE SLOT
        convert "$1" -format "%[pixel:p{15,$(($(slot_y "$2") + 24))}]" info:
    }
    bar="$WORK/bar.png"
    import -window "$window" "$bar"
    shown=0
    for i in "${!names[@]}"; do
        [ "$(slot_colours "$bar" "$i")" -gt 20 ] && shown=$((shown + 1))
    done
    if [ "$shown" -ne ${#names[@]} ]; then
        echo "FAILED: $queue should show ${#names[@]} tabs; the tab bar shows $shown." >&2
        exit 1
    fi
    highlight=$(edge_colour "$bar" 0)

    taken=()
    for i in "${!names[@]}"; do
        xdotool mousemove --window "$window" 100 $(($(slot_y "$i") + 24)) click 1
        # The tab shown is the one the bar marks current: wait for the mark.
        current=""
        for _ in $(seq 50); do
            import -window "$window" "$bar"
            current=""
            for j in "${!names[@]}"; do
                [ "$(edge_colour "$bar" "$j")" = "$highlight" ] && current="$current $j"
            done
            [ "$current" = " $i" ] && break
            sleep 0.2
        done
        if [ "$current" != " $i" ]; then
            echo "FAILED: a click on the ${names[$i]} tab left the bar marking slot(s)${current:- none} current." >&2
            exit 1
        fi
        sleep 0.5
        shot="$SHOTS/$((i + 1))-${names[$i]}.png"
        import -window "$window" "$shot"
        taken+=("$shot")
    done
    # A profile saved and its details shown: they are read from the PPD of
    # its model in the driver package folder, installed above. The buttons
    # "Save As..." and "Profiles..." stand at (652, 655) and (740, 655).
    profile=Demo
    rm -f "/usr/share/tolvane/$USER/$profile.cfg"
    xdotool mousemove --window "$window" 652 655 click 1
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^Save Profile$" | head -n 1 || true)
    [ -n "$dialog" ] || { echo "FAILED: Save As... opened no \"Save Profile\" window" >&2; exit 1; }
    sleep 0.5
    xdotool type --delay 30 "$profile"
    xdotool key Return
    for _ in $(seq 50); do [ -f "/usr/share/tolvane/$USER/$profile.cfg" ] && break; sleep 0.2; done
    [ -f "/usr/share/tolvane/$USER/$profile.cfg" ] \
        || { echo "FAILED: the profile $profile was not saved" >&2; exit 1; }
    xdotool mousemove --window "$window" 740 655 click 1
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^Profiles$" | head -n 1 || true)
    [ -n "$dialog" ] || { echo "FAILED: Profiles... opened no \"Profiles\" window" >&2; exit 1; }
    # In the 450 x 500 dialog: the second row of the list is the profile; the
    # first row of its detail tree, at (60, 262), is the profile group, open
    # or not: Left closes it, Down goes to the "Basic" group, Right opens it.
    sleep 0.5
    xdotool mousemove --window "$dialog" 100 81 click 1
    sleep 0.5
    xdotool mousemove --window "$dialog" 60 262 click 1
    xdotool key --delay 100 Left Down Right
    sleep 1
    details="$SHOTS/profile-details.png"
    import -window "$dialog" "$details"

    montage -label "%t" "${taken[@]}" -geometry 400x368+8+8 -tile 3x "$SHOTS/contact-sheet.png"
    echo "No display: Vellumark ran on a virtual screen; its title named $queue."
    echo "Screenshots of ${#taken[@]} tabs in $SHOTS:"
    for shot in "${taken[@]}" "$SHOTS/contact-sheet.png"; do echo "  $shot"; done
    echo "The saved profile $profile and its details: $details"
'
