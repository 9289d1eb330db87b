#!/bin/bash
# The main window against the CUPS web interface's "Set Default Options"
# page for the same queues, on a private cupsd with the web interface on:
# the median of selecting the showcase queue and the large bench PPD's queue,
# of Apply on the showcase queue and of the web page for both queues, first
# with those two queues and then with all of them listed; start-up with no
# queue and with all of them.
#
#   bench/web_vs_window.sh [--brief] [BUILD_DIR]
#
# --brief (CI): 3 queues, one round; otherwise 50 queues, 5 rounds. Run as root, it installs what is missing and measures as the
# test user (the program refuses root).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

brief=0
if [ "${1:-}" = "--brief" ]; then brief=1; shift; fi
build=$(cd "${1:-$ROOT_DIR/build}" && pwd)

if [ "$(id -u)" -eq 0 ]; then
    install_packages "cups cups-daemon cups-client curl python3"
    ensure_test_user
    args=(); [ "$brief" -eq 1 ] && args+=(--brief)
    exec runuser -u "$TEST_USER" -- bash "$ROOT_DIR/bench/web_vs_window.sh" "${args[@]}" "$build"
fi
install_packages "cups cups-daemon cups-client curl python3"

if [ "$brief" -eq 1 ]; then queues=3; rounds=1; starts=1; else queues=50; rounds=5; starts=5; fi
bench="$build/bench/vellumark_windowbench"
[ -x "$bench" ] || { echo "missing $bench: build the target vellumark_windowbench" >&2; exit 1; }
showcase="$ROOT_DIR/tests/data/demo-showcase.ppd"
large="$ROOT_DIR/bench/data/large.ppd"

work=$(mktemp -d)
state="$work/cups"
cleanup() {
    bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" stop "$state" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen LANG=C LC_ALL=C
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
userbase="$work/users"

server=$(bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" start "$state" | tail -n 1)
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

startup_ms() {
    local times=()
    for _ in $(seq 1 "$starts"); do
        times+=("$("$bench" "$userbase" startup | awk '/^startup/ {print $2}')")
    done
    printf '%s\n' "${times[@]}" | median
}

median() {
    python3 -c 'import sys, statistics; print("%.1f" % statistics.median(float(x) for x in sys.stdin.read().split()))'
}

web_ms() { # QUEUE
    local times=()
    for _ in $(seq 1 "$rounds"); do
        times+=("$(curl -s -o /dev/null -w '%{time_total}' -b 'org.cups.sid=X' \
            --data "org.cups.sid=X&OP=set-printer-options&PRINTER_NAME=$1" \
            "http://$server/admin/" | python3 -c 'import sys; print(float(sys.stdin.read()) * 1000)')")
    done
    printf '%s\n' "${times[@]}" | median
}

# A web page that is no options page would be timed for nothing.
check_web_page() { # QUEUE
    local page
    page=$(curl -s -b 'org.cups.sid=X' --data "org.cups.sid=X&OP=set-printer-options&PRINTER_NAME=$1" \
        "http://$server/admin/")
    grep -q "Set Default Options for $1" <<<"$page" \
        || { echo "the web interface shows no options page for $1" >&2; exit 1; }
}

ratio() { python3 -c "print('%.2f' % ($1 / $2))"; }

# One line per figure: ours, the figure it is compared with, the ratio.
row() { # LABEL OURS COMPARED GOAL
    printf '%-40s %9s %9s %7s  %s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")" "$4"
}

# Selections, Apply and the web pages with the queues listed now.
measure() { # QUEUES_LISTED
    local figures sel_showcase sel_large apply_showcase web_showcase web_large
    figures=$("$bench" "$userbase" select "$rounds" Showcase Large)
    sel_showcase=$(awk '$1 == "select:Showcase" {print $2}' <<<"$figures")
    sel_large=$(awk '$1 == "select:Large" {print $2}' <<<"$figures")
    apply_showcase=$(awk '$1 == "apply:Showcase" {print $2}' <<<"$figures")
    web_showcase=$(web_ms Showcase)
    web_large=$(web_ms Large)
    echo "With $1 queues listed, median of $rounds rounds (ms):"
    printf '%-40s %9s %9s %7s  %s\n' "figure" "ours" "compared" "ratio" "goal"
    row "select showcase vs its web page" "$sel_showcase" "$web_showcase" "<= 1.0"
    row "select large PPD vs its web page" "$sel_large" "$web_large" "<= 1.0"
    row "Apply showcase vs its selection" "$apply_showcase" "$sel_showcase" "<= 1.5"
    awk '$1 == "refill" {printf "  a refill of the table alone: %s ms\n", $2}' <<<"$figures"
}

start_none=$(startup_ms)

add_queue Showcase "$showcase"
# The bench PPD has no device ID, without which the window lists no queue.
sed 's/^\*Manufacturer: "Tolvane"/&\n*1284DeviceID: "MFG:Tolvane;MDL:TX-9900;"/' "$large" >"$work/large.ppd"
add_queue Large "$work/large.ppd"
check_web_page Showcase
check_web_page Large
measure 2

for i in $(seq 1 $((queues - 2))); do
    add_queue "$(printf 'Office%02d' "$i")" "$showcase"
done
start_all=$(startup_ms)
measure "$queues"
echo "Start-up to the first shown window, median of $starts (ms):"
row "start-up, $queues queues vs none" "$start_all" "$start_none" "<= 2.0"
echo "Parts of a selection and a refill with $queues queues, each alone (ms):"
"$bench" "$userbase" parts "$rounds" Showcase | sed 's/^part:/  /'
