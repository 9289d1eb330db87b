#!/bin/bash
# The main window against the CUPS web interface's "Set Default Options"
# page for the same queues, on a private cupsd with the web interface on:
# selecting the showcase queue, the large bench PPD's queue and a queue of
# the largest real-world shape (a PPD generated for the run: 85 options,
# 7,000 UIConstraints, ~600 KB) against the web page of each (until the tabs
# show the queue, and until no request to CUPS is pending), Apply on the
# showcase queue against lpoptions run alone with the same options (until
# its box, and until the refill that follows against lpoptions and one
# destination list), a selection right after Apply's box against a plain
# one, a held Down key (rows moved against presses) and quick clicks on
# other rows (the last one clicked selected), first with those three queues
# and then with all of them listed; the window chooses printers by clicks
# and key presses, as a person does; start-up with all queues against none, on a second
# cupsd without queues (the window shown, and the list filled against
# fetching every PPD once); the longest gap in the window's event loop; the
# program's peak resident size after a session of selections. Compared
# figures are taken in turn within each round; the ratios are per round,
# printed as median and range, and a row whose median misses its goal is
# marked "MISSED". The goals are repeated together at the end. The window
# runs on a virtual X server (Xvfb, which offers GLX) when there is one,
# else offscreen.
#
#   bench/web_vs_window.sh [--brief] [--queues N] [--rounds N]
#       [--selections N] [--ports LOW-HIGH] [--displays LOW-HIGH] [BUILD_DIR]
#
# --brief (CI): 24 queues (enough rows for the held key), one round, 40
# selections for the resident size; otherwise 50 queues, 5 rounds, 200
# selections. --ports and --displays take
# the two cupsd ports and the X display number from a range, so that two
# runs on one machine keep apart; without them, any free port and any free
# display. Run as root, it installs what is missing and measures as the test
# user (the program refuses root).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

brief=0
queues=50
rounds=5
selections=200
ports=""
displays=""
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --brief) brief=1; queues=24; rounds=1; selections=40; args+=(--brief); shift ;;
    --queues) queues=$2; args+=(--queues "$2"); shift 2 ;;
    --rounds) rounds=$2; args+=(--rounds "$2"); shift 2 ;;
    --selections) selections=$2; args+=(--selections "$2"); shift 2 ;;
    --ports) ports=$2; args+=(--ports "$2"); shift 2 ;;
    --displays) displays=$2; args+=(--displays "$2"); shift 2 ;;
    *) break ;;
    esac
done
range_ok() { [[ -z "$1" || "$1" =~ ^[0-9]+-[0-9]+$ ]]; }
range_ok "$ports" && range_ok "$displays" || { echo "a range is LOW-HIGH, e.g. 8631-8640" >&2; exit 2; }
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
# Keys and clicks as a person makes them: a held key repeats every 30 ms,
# quick clicks come 100 ms apart.
held_presses=20
held_interval=30
quick_clicks=10
click_interval=100

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

# The first number of the range LOW-HIGH that nobody listens on, leaving
# out those given after it.
free_port_in() { # RANGE [TAKEN...]
    python3 - "$@" <<'PY'
import socket, sys
low, high = map(int, sys.argv[1].split("-"))
taken = set(map(int, sys.argv[2:]))
for port in range(low, high + 1):
    if port in taken:
        continue
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port))
    except OSError:
        continue
    finally:
        s.close()
    print(port)
    sys.exit(0)
sys.exit("no free port in " + sys.argv[1])
PY
}

# An X server on the first free display of the range; false when none came up.
start_xvfb_in() { # RANGE
    local n
    for n in $(seq "${1%-*}" "${1#*-}"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x800x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" >"$work/display"; return 0; }
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    return 1
}

export QT_QPA_PLATFORM=offscreen LANG=C LC_ALL=C
if command -v Xvfb >/dev/null; then
    if [ -n "$displays" ]; then
        start_xvfb_in "$displays" || { echo "no free display in $displays" >&2; exit 1; }
    else
        # A display number the X server picks itself; its GLX is what a
        # desktop offers the program.
        Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
        [ ! -s "$work/display" ] || sed -i 's/^/:/' "$work/display"
    fi
    if [ -s "$work/display" ]; then
        export DISPLAY="$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
    fi
fi
platform=$QT_QPA_PLATFORM
if [ "$platform" = xcb ]; then
    # Not grep -q: xdpyinfo cut short would fail the pipe.
    if xdpyinfo 2>/dev/null | grep GLX >/dev/null; then platform="X $DISPLAY with GLX"; else platform="X $DISPLAY without GLX"; fi
fi
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
userbase="$work/users"

port_args=()
empty_port_args=()
if [ -n "$ports" ]; then
    port=$(free_port_in "$ports")
    port_args=(--port "$port")
    empty_port_args=(--port "$(free_port_in "$ports" "$port")")
fi
server=$(bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" start "$state" --owner $$ "${port_args[@]}" | tail -n 1)
# Start-up with no queue is timed against a cupsd of its own, so that both
# start-ups can be taken in turn.
empty_server=$(bash "$ROOT_DIR/tests/cups/sandbox-cups.sh" start "$empty_state" --owner $$ "${empty_port_args[@]}" | tail -n 1)
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
echo "cupsd on $server and $empty_server, window on $platform"

add_queue() { # NAME PPD
    lpadmin -p "$1" -E -v file:///dev/null -P "$2" 2>/dev/null
}

# From the process start to the filled list, to the shown window, and the
# longest event-loop gap from showing the window to the filled list: the
# time is taken just before the start.
startup() { # CUPS_SERVER
    VM_EXEC_AT=$EPOCHREALTIME CUPS_SERVER=$1 "$bench" "$userbase" startup \
        | awk '/^startup / {print $2, $3, $4}'
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

field() { # N TEXT
    awk -v n="$1" '{print $n}' <<<"$2"
}

largest() { # NUMBER...
    printf '%s\n' "$@" | sort -g | tail -n 1
}

# Per figure: the median of our figure and of the compared one, then the
# per-round ratios' median and range, and whether the median meets the goal
# (a ratio; for lines of our figure alone, that figure itself). Input: lines
# "ours compared" ("ours" alone for an absolute goal). A goal that does not
# start with "<=" or ">=" is shown and never flagged.
summary() { # LABEL GOAL
    python3 -c '
import sys, statistics
label, goal = sys.argv[1], sys.argv[2]
rows = [list(map(float, line.split())) for line in sys.stdin if line.strip()]
words = goal.split()
bounded = len(words) > 1 and words[0] in ("<=", ">=")
def meets(value):
    if not bounded:
        return True
    return value <= float(words[1]) if words[0] == "<=" else value >= float(words[1])
ours = statistics.median(r[0] for r in rows)
if all(len(r) == 1 for r in rows):
    values = [r[0] for r in rows]
    print("%-60s %8.1f %9s %7s  %6.1f-%-6.1f %-12s %s" % (label, ours, "", "", min(values),
          max(values), goal, "" if meets(ours) else "MISSED"))
else:
    theirs = statistics.median(r[1] for r in rows)
    ratios = [r[0] / r[1] for r in rows]
    ratio = statistics.median(ratios)
    print("%-60s %8.1f %9.1f %7.2f  %6.2f-%-6.2f %-12s %s" % (label, ours, theirs, ratio,
          min(ratios), max(ratios), goal, "" if meets(ratio) else "MISSED"))' "$1" "$2"
}

# A row with a goal: shown in its table and again in the goals at the end.
goal() { # LABEL GOAL
    summary "$1" "$2" | tee -a "$work/goals"
}

header() { # [UNIT]
    printf '%-60s %8s %9s %7s  %-13s %s\n' "figure (${1:-ms})" "ours" "compared" "ratio" "range" "goal"
}

# The longest event-loop gap of each round, over everything timed in it.
declare -a round_gaps
note_gap() { # ROUND GAP...
    local r=$1
    shift
    round_gaps[r]=$(largest "${round_gaps[r]:-0}" "$@")
}

# Selections, Apply, lpoptions, the destination list, a refill and the web
# pages, in turn within each round. Every selection leaves the other queue
# selected before it: a real change.
measure() { # QUEUES_LISTED
    local r s a as rf sel_show sel_large quiet_show quiet_large web_show web_large
    local apply_box apply_click apply_end lpo dests after_box refill web_real
    local rows_show="" rows_large="" rows_show_quiet="" rows_large_quiet="" rows_lpo=""
    local rows_refilled="" rows_click="" rows_after_box="" rows_refill="" rows_gap=""
    local rows_real="" rows_real_quiet="" rows_held="" rows_held_settled="" rows_last=""
    local rows_taken="" rows_quick_settled="" rows_box_clicks="" rows_held_named=""
    local sl ss sr hk qc gap
    window refill >/dev/null
    window select Showcase >/dev/null
    for r in $(seq 1 "$rounds"); do
        sl=$(window select Large)
        sel_large=$(field 3 "$sl")
        quiet_large=$(field 4 "$sl")
        web_large=$(web_ms Large)
        ss=$(window select Showcase)
        sel_show=$(field 3 "$ss")
        quiet_show=$(field 4 "$ss")
        web_show=$(web_ms Showcase)
        sr=$(window select Real)
        web_real=$(web_ms Real)
        window select Showcase >/dev/null
        a=$(window apply Showcase)
        apply_box=$(field 3 "$a")
        apply_click=$(field 4 "$a")
        apply_end=$(field 5 "$a")
        lpo=$(field 3 "$(window lpoptions Showcase)")
        dests=$(field 2 "$(window dests)")
        rf=$(window refill)
        refill=$(field 2 "$rf")
        # Large right after the box, then back to Showcase, untimed.
        as=$(window applyselect Showcase Large)
        after_box=$(field 3 "$as")
        window select Showcase >/dev/null
        hk=$(window heldkey "$held_presses" "$held_interval")
        qc=$(window clicks "$quick_clicks" "$click_interval")
        window select Showcase >/dev/null
        gap=$(largest "$(field 5 "$sl")" "$(field 5 "$ss")" "$(field 5 "$sr")" "$(field 6 "$a")" \
            "$(field 3 "$rf")" "$(field 4 "$as")")
        rows_show+="$sel_show $web_show"$'\n'
        rows_large+="$sel_large $web_large"$'\n'
        rows_show_quiet+="$quiet_show $web_show"$'\n'
        rows_large_quiet+="$quiet_large $web_large"$'\n'
        rows_lpo+="$apply_box $lpo"$'\n'
        rows_refilled+="$apply_end $(python3 -c "print($lpo + $dests)")"$'\n'
        rows_click+="$apply_click $sel_show"$'\n'
        rows_after_box+="$after_box $sel_large"$'\n'
        rows_box_clicks+="$(field 5 "$as")"$'\n'
        rows_real+="$(field 3 "$sr") $web_real"$'\n'
        rows_real_quiet+="$(field 4 "$sr") $web_real"$'\n'
        rows_held+="$(field 2 "$hk") $(field 3 "$hk")"$'\n'
        rows_held_settled+="$(field 4 "$hk")"$'\n'
        rows_held_named+="$(field 5 "$hk") 1"$'\n'
        rows_last+="$(field 2 "$qc") 1"$'\n'
        rows_taken+="$(field 3 "$qc") $(field 4 "$qc")"$'\n'
        rows_quick_settled+="$(field 5 "$qc")"$'\n'
        rows_refill+="$refill"$'\n'
        rows_gap+="$gap"$'\n'
        note_gap "$r" "$gap"
    done
    echo
    echo "With $1 queues listed, $rounds rounds ($platform):"
    header
    goal "select showcase vs its web page, $1 queues" "<= 0.5" <<<"$rows_show"
    goal "select large PPD vs its web page, $1 queues" "<= 0.5" <<<"$rows_large"
    goal "select showcase until no request pending vs page, $1 q." "<= 1.0" <<<"$rows_show_quiet"
    goal "select large PPD until no request pending vs page, $1 q." "<= 1.0" <<<"$rows_large_quiet"
    goal "Apply to the box vs lpoptions alone, $1 queues" "<= 1.5" <<<"$rows_lpo"
    goal "Apply until refilled vs lpoptions + dest. list, $1 queues" "<= 1.3" <<<"$rows_refilled"
    goal "select right after Apply's box vs plain, $1 queues" "<= 1.3" <<<"$rows_after_box"
    summary "  clicks it took right after the box" "(info)" <<<"$rows_box_clicks"
    goal "held Down: rows moved / presses ($(field 3 "$hk") at ${held_interval} ms), $1 q." ">= 1.0" \
        <<<"$rows_held"
    summary "  from the last press until no request pending" "(info ms)" <<<"$rows_held_settled"
    summary "  then the title names the row the table is on" "(info)" <<<"$rows_held_named"
    goal "$quick_clicks clicks ${click_interval} ms apart: the last one selected, $1 q." ">= 1.0" \
        <<<"$rows_last"
    summary "  clicks the table took at once / clicks" "(info)" <<<"$rows_taken"
    summary "  from the last click until no request pending" "(info ms)" <<<"$rows_quick_settled"
    goal "select largest real-world PPD vs its web page, $1 queues" "(ratio)" <<<"$rows_real"
    summary "  the same until no request pending vs page" "(info)" <<<"$rows_real_quiet"
    summary "  Apply until the click returned vs selection" "(info)" <<<"$rows_click"
    summary "  a refill of the table alone" "(info ms)" <<<"$rows_refill"
    summary "longest event-loop gap: select, Apply, refill, $1 queues" "<= 50 ms" <<<"$rows_gap"
}

# Start-up pairs alternate which of the two comes first; the floor of the
# listing (every PPD fetched once) is taken in turn with them.
starts() { # QUEUES
    local r full none ppds first rows_shown="" rows_filled="" rows_gap="" filled_goal
    for r in $(seq 1 "$rounds"); do
        if [ $((r % 2)) -eq 1 ]; then
            full=$(startup "$server")
            none=$(startup "$empty_server")
        else
            none=$(startup "$empty_server")
            full=$(startup "$server")
        fi
        ppds=$(CUPS_SERVER=$server "$bench" "$userbase" ppds | awk '/^ppds / {print $2}')
        rows_shown+="$(field 2 "$full") $(field 2 "$none")"$'\n'
        # What the queues add to the filled list, against their floor.
        rows_filled+="$(python3 -c "print($(field 1 "$full") - $(field 1 "$none"))") $ppds"$'\n'
        rows_gap+="$(largest "$(field 3 "$full")" "$(field 3 "$none")")"$'\n'
        note_gap "$r" "$(field 3 "$full")" "$(field 3 "$none")"
    done
    # The floor says little with few queues: flagged from 500 on.
    if [ "$1" -ge 500 ]; then filled_goal="<= 1.3"; else filled_goal="(<= 1.3 at 500)"; fi
    echo
    echo "Start-up from the process start, $1 queues and none in alternating order, $rounds rounds:"
    header
    goal "window shown, $1 queues vs none" "<= 1.5" <<<"$rows_shown"
    goal "list filled, $1 queues less none, vs every PPD fetched once" "$filled_goal" <<<"$rows_filled"
    summary "longest event-loop gap from show() to the filled list" "<= 50 ms" <<<"$rows_gap"
}

: >"$work/goals"
add_queue Showcase "$showcase"
# The bench PPD has no device ID, without which the window lists no queue.
sed 's/^\*Manufacturer: "Tolvane"/&\n*1284DeviceID: "MFG:Tolvane;MDL:TX-9900;"/' "$large" >"$work/large.ppd"
add_queue Large "$work/large.ppd"
# Too big to keep in the source tree: made for the run.
python3 "$ROOT_DIR/bench/make_large_ppd.py" --shape real "$work/real.ppd"
add_queue Real "$work/real.ppd"
check_web_page Showcase
check_web_page Large
check_web_page Real
start_window
measure 3

for i in $(seq 1 $((queues - 3))); do
    add_queue "$(printf 'Office%03d' "$i")" "$showcase"
done
measure "$queues"
starts "$queues"

summary "longest event-loop gap: selection, Apply, refill, start-up" "<= 50 ms" \
    < <(printf '%s\n' "${round_gaps[@]}") >>"$work/goals"

# The program alone, in a process of its own, after a fixed session.
rss=$("$bench" "$userbase" rss "$selections" Showcase Large | awk '/^rss / {print $2, $3}')
echo
echo "Resident size of the program after $selections selections, $queues queues ($platform):"
header MB
goal "peak RSS (VmHWM), $queues queues, $selections selections (MB)" "<= 64 MB" \
    <<<"$(awk '{printf "%.1f\n", $1 * 1024 / 1e6}' <<<"$rss")"
summary "  present RSS (VmRSS) (MB)" "(info MB)" <<<"$(awk '{printf "%.1f\n", $2 * 1024 / 1e6}' <<<"$rss")"

echo
echo "Parts of a selection and a refill with $queues queues, each alone, median of $rounds (ms):"
"$bench" "$userbase" parts "$rounds" Showcase | sed 's/^part:/  /'

echo
echo "Goals, $queues queues, median of $rounds rounds ($platform):"
header
cat "$work/goals"
