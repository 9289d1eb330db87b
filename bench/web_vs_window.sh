#!/bin/bash
# The main window against the CUPS web interface's "Set Default Options"
# page for the same queues, on a private cupsd with the web interface on:
# selecting the showcase queue and the large bench PPD's queue against the
# web page of each, Apply on the showcase queue against its selection and
# against lpoptions run alone with the same options, first with those two
# queues and then with all of them listed; start-up (from the process start
# to the shown window) with all queues against none, on a second cupsd
# without queues; the longest gap in the window's event loop and its peak
# resident size. Compared figures are taken in turn within each round; the
# ratios are per round, printed as median and range, and a row whose median
# misses its goal is marked "MISSED". The window runs on a virtual X server
# with GL (Xvfb) when there is one, else offscreen.
#
#   bench/web_vs_window.sh [--brief] [--queues N] [--rounds N] [BUILD_DIR]
#
# --brief (CI): 3 queues, one round; otherwise 50 queues, 5 rounds. Run as
# root, it installs what is missing and measures as the test user (the
# program refuses root).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

brief=0
queues=50
rounds=5
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --brief) brief=1; queues=3; rounds=1; args+=(--brief); shift ;;
    --queues) queues=$2; args+=(--queues "$2"); shift 2 ;;
    --rounds) rounds=$2; args+=(--rounds "$2"); shift 2 ;;
    *) break ;;
    esac
done
build=$(cd "${1:-$ROOT_DIR/build}" && pwd)

if [ "$(id -u)" -eq 0 ]; then
    install_packages "cups cups-daemon cups-client curl python3"
    ensure_test_user
    exec runuser -u "$TEST_USER" -- bash "$ROOT_DIR/bench/web_vs_window.sh" "${args[@]}" "$build"
fi
install_packages "cups cups-daemon cups-client curl python3"

bench="$build/bench/vellumark_windowbench"
[ -x "$bench" ] || { echo "missing $bench: build the target vellumark_windowbench" >&2; exit 1; }
showcase="$ROOT_DIR/tests/data/demo-showcase.ppd"
large="$ROOT_DIR/bench/data/large.ppd"

work=$(mktemp -d)
state="$work/cups"
empty_state="$work/cups-empty"
serving=""
cleanup() {
    # A window that died leaves a pipe without reader: writing "quit" to it
    # must not end this script before the daemons are stopped.
    trap '' PIPE
    [ -n "$serving" ] && { echo quit >&8; wait "$WINDOW_PID"; } 2>/dev/null || true
    bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" stop "$state" >/dev/null 2>&1 || true
    bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" stop "$empty_state" >/dev/null 2>&1 || true
    rm -rf "$work"
}
xvfb_pid=""
trap 'cleanup; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true' EXIT

export QT_QPA_PLATFORM=offscreen LANG=C LC_ALL=C
if command -v Xvfb >/dev/null; then
    # A display number the X server picks itself; its GLX is what a desktop
    # offers the program.
    Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    if [ -s "$work/display" ]; then
        export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
    fi
fi
platform=$QT_QPA_PLATFORM
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
userbase="$work/users"

server=$(bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" start "$state" --owner $$ | tail -n 1)
# Start-up with no queue is timed against a cupsd of its own, so that both
# start-ups can be taken in turn.
empty_server=$(bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" start "$empty_state" --owner $$ | tail -n 1)
export CUPS_SERVER="$server"
# The sandbox starts without the web interface; a HUP makes cupsd read its
# configuration again.
sed -i 's/^WebInterface No/WebInterface Yes/' "$state/conf/cupsd.conf"
kill -HUP "$(cat "$state/cupsd.pid")"
for _ in $(seq 1 100); do
    sleep 0.1
    curl -sf -o /dev/null "http://$server/" && lpstat -r >/dev/null 2>&1 && break
done
curl -sf -o /dev/null "http://$server/admin/" || { echo "no web interface on $server" >&2; exit 1; }

add_queue() { # NAME PPD
    lpadmin -p "$1" -E -v file:///dev/null -P "$2" 2>/dev/null
}

# From the process start to the filled list: the time is taken just before
# the start.
startup_ms() { # CUPS_SERVER
    VM_EXEC_AT=$EPOCHREALTIME CUPS_SERVER=$1 "$bench" "$userbase" startup \
        | awk '/^startup / {print $2}'
}

web_ms() { # QUEUE
    curl -s -o /dev/null -w '%{time_total}' -b 'org.cups.sid=X' \
        --data "org.cups.sid=X&OP=set-printer-options&PRINTER_NAME=$1" \
        "http://$server/admin/" | python3 -c 'import sys; print("%.1f" % (float(sys.stdin.read()) * 1000))'
}

# A web page that is no options page would be timed for nothing.
check_web_page() { # QUEUE
    local page
    page=$(curl -s -b 'org.cups.sid=X' --data "org.cups.sid=X&OP=set-printer-options&PRINTER_NAME=$1" \
        "http://$server/admin/")
    grep -q "Set Default Options for $1" <<<"$page" \
        || { echo "the web interface shows no options page for $1" >&2; exit 1; }
}

# The window, shown once and driven a command at a time.
start_window() {
    coproc WINDOW { "$bench" "$userbase" serve; }
    # Copies that command substitutions inherit, which the coprocess's own
    # descriptors are not.
    exec 7<&"${WINDOW[0]}" 8>&"${WINDOW[1]}"
    serving=1
    local answer
    read -r answer <&7
    [ "$answer" = ready ] || { echo "the window did not start: $answer" >&2; exit 1; }
}

window() { # COMMAND... ; prints the answer's figures
    local answer
    echo "$*" >&8
    read -r answer <&7
    case "$answer" in error*) echo "$answer" >&2; exit 1 ;; esac
    echo "$answer"
}

# Per figure: the median of our figure and of the compared one, then the
# per-round ratios' median and range, and whether the median meets the goal
# (a ratio; with "ms" or "MB", our figure itself). Input: lines "ours
# compared" ("ours" alone for an absolute goal).
summary() { # LABEL GOAL
    python3 -c '
import sys, statistics
label, goal = sys.argv[1], sys.argv[2]
rows = [list(map(float, line.split())) for line in sys.stdin if line.strip()]
words = goal.split()
limit = float(words[1]) if len(words) > 1 and words[0] == "<=" else float("inf")
ours = statistics.median(r[0] for r in rows)
if goal.endswith(("ms", "MB")):
    values = [r[0] for r in rows]
    print("%-42s %8.1f %9s %7s  %5.1f-%-5.1f %-10s %s" % (label, ours, "", "", min(values),
          max(values), goal, "" if ours <= limit else "MISSED"))
else:
    theirs = statistics.median(r[1] for r in rows)
    ratios = [r[0] / r[1] for r in rows]
    ratio = statistics.median(ratios)
    print("%-42s %8.1f %9.1f %7.2f  %5.2f-%-5.2f %-10s %s" % (label, ours, theirs, ratio,
          min(ratios), max(ratios), goal, "" if ratio <= limit else "MISSED"))' "$1" "$2"
}

header() {
    printf '%-42s %8s %9s %7s  %-11s %s\n' "figure (ms)" "ours" "compared" "ratio" "range" "goal"
}

# Selections, Apply, lpoptions and the web pages, in turn within each round.
measure() { # QUEUES_LISTED
    local r a s sel_show sel_large web_show web_large apply_box apply_click apply_end lpo
    local gap_show gap_large gap_apply
    local rows_show="" rows_large="" rows_apply="" rows_lpo="" rows_click="" rows_gap=""
    window refill >/dev/null
    for r in $(seq 1 "$rounds"); do
        # Each selection leaves the queue selected before: a real change.
        s=$(window select Large)
        sel_large=$(awk '{print $3}' <<<"$s")
        gap_large=$(awk '{print $4}' <<<"$s")
        web_large=$(web_ms Large)
        s=$(window select Showcase)
        sel_show=$(awk '{print $3}' <<<"$s")
        gap_show=$(awk '{print $4}' <<<"$s")
        web_show=$(web_ms Showcase)
        a=$(window apply Showcase)
        apply_box=$(awk '{print $3}' <<<"$a")
        apply_click=$(awk '{print $4}' <<<"$a")
        apply_end=$(awk '{print $5}' <<<"$a")
        gap_apply=$(awk '{print $6}' <<<"$a")
        lpo=$(window lpoptions Showcase | awk '{print $3}')
        rows_show+="$sel_show $web_show"$'\n'
        rows_large+="$sel_large $web_large"$'\n'
        rows_apply+="$apply_end $sel_show"$'\n'
        rows_click+="$apply_click $sel_show"$'\n'
        rows_lpo+="$apply_box $lpo"$'\n'
        rows_gap+="$(printf '%s\n' "$gap_large" "$gap_show" "$gap_apply" | sort -g | tail -n 1)"$'\n'
    done
    echo "With $1 queues listed, $rounds rounds ($platform):"
    header
    summary "select showcase vs its web page" "<= 1.0" <<<"$rows_show"
    summary "select large PPD vs its web page" "<= 1.0" <<<"$rows_large"
    summary "Apply until refilled vs selection" "<= 1.3" <<<"$rows_apply"
    summary "Apply (box) vs lpoptions alone, same opt." "<= 2.0" <<<"$rows_lpo"
    summary "  Apply until the click returned vs sel." "(info)" <<<"$rows_click"
    summary "longest event-loop gap: select, Apply" "<= 100 ms" <<<"$rows_gap"
    echo "  a refill of the table alone: $(window refill | awk '{print $2}') ms"
}

starts() { # QUEUES
    local r rows=""
    for r in $(seq 1 "$rounds"); do
        rows+="$(startup_ms "$server") $(startup_ms "$empty_server")"$'\n'
    done
    echo "Start-up from the process start to the filled list, $rounds rounds:"
    header
    summary "start-up, $1 queues vs none" "<= $2" <<<"$rows"
}

add_queue Showcase "$showcase"
# The bench PPD has no device ID, without which the window lists no queue.
sed 's/^\*Manufacturer: "Tolvane"/&\n*1284DeviceID: "MFG:Tolvane;MDL:TX-9900;"/' "$large" >"$work/large.ppd"
add_queue Large "$work/large.ppd"
check_web_page Showcase
check_web_page Large
start_window
measure 2

for i in $(seq 1 $((queues - 2))); do
    add_queue "$(printf 'Office%03d' "$i")" "$showcase"
done
measure "$queues"
rss_kb=$(window rss | awk '{print $2}')
echo "Peak resident size of the window after the rounds above ($platform):"
header
summary "peak RSS, $queues queues (MB)" "<= 64 MB" <<<"$(awk '{printf "%.1f\n", $1 / 1024}' <<<"$rss_kb")"
if [ "$queues" -ge 500 ]; then goal=2.0; else goal=1.5; fi
starts "$queues" "$goal"
echo "Parts of a selection and a refill with $queues queues, each alone (ms):"
"$bench" "$userbase" parts "$rounds" Showcase | sed 's/^part:/  /'
