#!/usr/bin/env bash
# Starts the simulated unit on a pseudo-terminal and the program connected to it.
#   scripts/simulate.sh BUILD_DIR [program arguments...]
# Options for the simulator (e.g. "--version 97.01 --drop 0.1") go in
# ARDENTIX_SIM_ARGS.  The simulated unit keeps its parameters in
# BUILD_DIR/sim-state.txt between runs.  Closing the window stops the simulator.
set -euo pipefail
BUILD="$(cd "${1:?usage: simulate.sh BUILD_DIR [arguments...]}" && pwd)"
shift
SIM="$BUILD/tools/sim/ardentix-sim"
APP="$BUILD/src/app/ardentix"
for f in "$SIM" "$APP"; do
    [[ -x "$f" ]] || { echo "simulate.sh: $f is missing; build first" >&2; exit 1; }
done

out="$(mktemp)"
# shellcheck disable=SC2086
"$SIM" --state "$BUILD/sim-state.txt" ${ARDENTIX_SIM_ARGS:-} >"$out" &
sim_pid=$!
cleanup() {
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    rm -f "$out"
}
trap cleanup EXIT INT TERM

# The simulator prints its device path on its first line.
device=""
for _ in $(seq 1 100); do
    if ! kill -0 "$sim_pid" 2>/dev/null; then
        echo "simulate.sh: the simulator stopped" >&2
        exit 1
    fi
    IFS= read -r device <"$out" || true
    [[ -n "$device" ]] && break
    sleep 0.05
done
[[ -n "$device" ]] || { echo "simulate.sh: no device from the simulator" >&2; exit 1; }
echo "Simulated unit on $device"

# A language word must stay the first argument, so the port comes last.
"$APP" "$@" --port "$device"
