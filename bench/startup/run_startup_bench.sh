#!/usr/bin/env bash
# Start-up against a bare Qt window of the same size, side by side in one run.
#
#   bench/startup/run_startup_bench.sh [build folder] [runs]
#
# Starts a private Xvfb server (no TCP listener), then measures twice: with a
# private session bus, as a desktop session has one, and without any (as on a
# plain X server). Each time it alternates the bare window and the
# configurator, ten times each unless told otherwise. Each run is timed from
# the start of the process until its window is mapped on the X server
# (startup_map_timer watches from outside). Prints both medians and their
# ratio for each case. One warm-up run of each, not counted, fills the file
# cache.
#
# STARTUP_BENCH_SESSION_BUS=1 measures only with the bus, =0 only without.
# Without a bus, Qt's accessibility bridge (started by the first text a label
# shows) would have libdbus try to launch one (dbus-launch --autolaunch); the
# configurator skips that where no launcher exists (platform/README.md,
# Start-up). The bare window shows no text and asks for no bus before it maps.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
runs="${2:-10}"
timer="$build/bench/startup_map_timer"
bare="$build/bench/startup_bare_window"
program="$build/program/BrindelcoreFirmWare"
for f in "$timer" "$bare" "$program"; do
  [ -x "$f" ] || { echo "missing $f (build the project first)" >&2; exit 1; }
done

scratch="$(mktemp -d)"
fifo="$scratch/display"; mkfifo "$fifo"
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$scratch"' EXIT
read -r display <"$fifo"
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
bus_pid=
trap 'kill $xvfb_pid $bus_pid 2>/dev/null || true; rm -rf "$scratch"' EXIT

bare_title="Bare start-up window"
program_title="QuorixLabs - Configurator"
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# measure <label>: warm-up, then the alternating runs and their medians.
measure() {
  "$timer" "$bare_title" "$bare" >/dev/null
  "$timer" "$program_title" "$program" >/dev/null
  local bare_times=() program_times=()
  for ((i = 0; i < runs; ++i)); do
    bare_times+=("$("$timer" "$bare_title" "$bare")")
    program_times+=("$("$timer" "$program_title" "$program")")
  done
  local bare_median program_median
  bare_median="$(median "${bare_times[@]}")"
  program_median="$(median "${program_times[@]}")"
  echo "session bus: $1"
  echo "bare window  (ms): ${bare_times[*]}"
  echo "configurator (ms): ${program_times[*]}"
  echo "median bare window:  $bare_median ms"
  echo "median configurator: $program_median ms"
  awk -v p="$program_median" -v b="$bare_median" 'BEGIN { printf "ratio configurator / bare: %.2f\n", p / b }'
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
mode="${STARTUP_BENCH_SESSION_BUS:-both}"
if [ "$mode" != 0 ]; then
  if command -v dbus-daemon >/dev/null; then
    bus_fifo="$scratch/bus"; mkfifo "$bus_fifo"
    dbus-daemon --session --nofork --nopidfile --print-address=6 6>"$bus_fifo" 2>/dev/null &
    bus_pid=$!
    read -r DBUS_SESSION_BUS_ADDRESS <"$bus_fifo"
    export DBUS_SESSION_BUS_ADDRESS
    measure "private session bus"
    unset DBUS_SESSION_BUS_ADDRESS
    kill "$bus_pid" 2>/dev/null || true
    wait "$bus_pid" 2>/dev/null || true
    bus_pid=
  else
    echo "session bus: dbus-daemon not found, not measured"
  fi
fi
if [ "$mode" != 1 ]; then
  [ "$mode" != 0 ] && echo
  measure "none"
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
