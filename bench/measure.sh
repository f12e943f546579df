#!/bin/sh
# Measures what a player feels, beside a bare Qt window measured in the same
# run (the machine is shared and noisy: compare the ratios). Not a test.
#   bench/measure.sh [RUNS] [--write docs/performance.md] [--advisor BENCH_ADVISOR_OUTPUT]
#   bench/measure.sh --account   only where the memory goes, one run of each case
#   bench/measure.sh --start [RUNS]   only the start beside the bare window,
#     the runs close together (settle 0.3 s, idle 0.1 s) so they share the
#     machine's load
# Builds what it needs in $BUILD_DIR (default build), then on its own Xvfb
# with no window manager and a private sound server with a null sink:
#   - start to first window mapped, RSS 3 s after the table shows, CPU of
#     ten idle seconds: the installed-style binary and the bare window;
#   - CPU of one roll and the files a roll opens: build/bench_table_roll;
#   - a computer's whole turn at Fast and Normal: build/bench_computer_turn.
#   - switching the language of an open table: build/bench_language_switch.
#   - resident memory with a game in progress at 100 %, at 150 % and at the
#     zoom the game picks for this 1080p screen, beside the peer (Debian's
#     tali, when installed), each with its account by mapping.
set -eu

cd "$(dirname "$0")/.."
runs=5
write=""
advisor=""
account=""
start=""
while [ $# -gt 0 ]; do
  case "$1" in
    --write) write=$2; shift 2 ;;
    --advisor) advisor=$(realpath "$2"); shift 2 ;;
    --account) account=--account; shift ;;
    --start) start=1; shift ;;
    *) runs=$1; shift ;;
  esac
done
build=${BUILD_DIR:-build}
python=/usr/bin/python3
. tools/private_xvfb.sh

for tool in Xvfb strace cmake; do
  command -v "$tool" >/dev/null 2>&1 || { echo "bench: $tool is needed (setup.sh installs it)"; exit 1; }
done
"$python" -c 'import Xlib' 2>/dev/null || { echo "bench: python3-xlib is needed (setup.sh installs it)"; exit 1; }

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target realpentaro bench_bare_window bench_table_roll bench_game_file bench_computer_turn bench_language_switch -j2 >/dev/null

tmp=$(mktemp -d "${TMPDIR:-/tmp}/rp-bench.XXXXXX")
xvfb=""
pulse=""
cleanup() {
  [ -n "$pulse" ] && kill "$pulse" 2>/dev/null && wait "$pulse" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$tmp/runtime" "$tmp/config"
chmod 700 "$tmp/runtime"
export XDG_RUNTIME_DIR="$tmp/runtime" HOME="$tmp/runtime"
unset QT_SCALE_FACTOR QT_LINUX_ACCESSIBILITY_ALWAYS_ON DBUS_SESSION_BUS_ADDRESS

start_xvfb "$tmp" 1920x1080
DISPLAY=$xvfb_display
export DISPLAY

# A sound device like a player's, so that opening it counts in the start.
sound="a private PulseAudio server with a null sink"
if command -v pulseaudio >/dev/null 2>&1; then
  env -u PULSE_SERVER pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    -L "module-null-sink sink_name=rp_bench" -L module-native-protocol-unix >/dev/null 2>&1 &
  pulse=$!
  tries=0
  until [ -S "$tmp/runtime/pulse/native" ] || [ "$tries" -gt 200 ]; do tries=$((tries + 1)); sleep 0.1; done
fi
if [ -S "$tmp/runtime/pulse/native" ]; then
  export PULSE_SERVER="unix:$tmp/runtime/pulse/native"
else
  sound="no sound server (the game stays silent)"
  export PULSE_SERVER=unix:/nonexistent/rp-no-audio
fi
echo "bench: display $DISPLAY, $sound, $runs runs"

if [ -n "$start" ]; then
  "$python" bench/measure.py --runs "$runs" --game "$build/realpentaro" --bare "$build/bench_bare_window" \
    --config "$tmp/config" --settle 0.3 --idle 0.1 | grep -E '^(median|ratio|start_ratio)'
  exit 0
fi

# A kept four-player game, resumed by the runs with a game in progress.
QT_QPA_PLATFORM=offscreen "$build/bench_game_file" --write "$tmp/kept-game.ini"
if [ -n "$account" ]; then
  "$python" bench/measure.py --game "$build/realpentaro" --bare "$build/bench_bare_window" \
    --config "$tmp/config" --kept-game "$tmp/kept-game.ini" --account
  exit 0
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One roll: CPU (median of the runs' medians), then the files one traced run opens.
: >"$tmp/rolls"
for i in $(seq "$runs"); do
  QT_QPA_PLATFORM=offscreen "$build/bench_table_roll" 15 2>/dev/null | tee -a "$tmp/rolls.txt" |
    sed -n 's/.*roll_cpu_ms=\([0-9.]*\) idle_cpu_ms=\([0-9.]*\).*/\1 \2/p' >>"$tmp/rolls"
done
roll_cpu=$(cut -d' ' -f1 "$tmp/rolls" | median)
roll_idle=$(cut -d' ' -f2 "$tmp/rolls" | median)
QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=open,openat,openat2 -o "$tmp/trace" \
  "$build/bench_table_roll" 5 >/dev/null 2>&1
sed -n '/rp-bench-start/,/rp-bench-end/p' "$tmp/trace" | grep -v 'rp-bench-' >"$tmp/opened.all" || true
# The game in progress is saved once the dice have landed, never while they
# tumble (a temporary file in its folder, renamed over game.ini): counted apart.
grep -E 'O_TMPFILE|game\.ini' "$tmp/opened.all" >"$tmp/saves" || true
grep -vE 'O_TMPFILE|game\.ini' "$tmp/opened.all" >"$tmp/opened" || true
roll_files=$(wc -l <"$tmp/opened")
echo "one roll: cpu ${roll_cpu} ms (the same 600 ms idle: ${roll_idle} ms), files opened in 5 rolls: ${roll_files}"
[ "$roll_files" -eq 0 ] || sed 's/^/  /' "$tmp/opened"
echo "saves of the game once the dice had landed, in 5 rolls: $(wc -l <"$tmp/saves")"
QT_QPA_PLATFORM=offscreen "$build/bench_game_file"
# A computer's whole turn against a person (Hard), the person's entry to their next possible roll.
QT_QPA_PLATFORM=offscreen "$build/bench_computer_turn" 20 2>/dev/null || echo "bench: bench_computer_turn failed"
# An open table with a game in progress switched between German and English.
QT_QPA_PLATFORM=offscreen "$build/bench_language_switch" 11 2>/dev/null || echo "bench: bench_language_switch failed"

peer=$(command -v tali || ls /usr/games/tali 2>/dev/null || true)
"$python" bench/measure.py --runs "$runs" --game "$build/realpentaro" --bare "$build/bench_bare_window" \
  --config "$tmp/config" --json "$tmp/medians.json" --kept-game "$tmp/kept-game.ini" ${peer:+--peer "$peer"}

if [ -n "$write" ]; then
  "$python" bench/report.py "$tmp/medians.json" "$roll_cpu" "$roll_idle" "$roll_files" "$sound" $advisor >"$write"
  echo "bench: figures written to $write"
fi
