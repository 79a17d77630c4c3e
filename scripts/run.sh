#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated controller on a
# pseudo-terminal and the configurator attached to it. The configurator's
# working files (KRXConfig.cfg, default.cnt) go to ./run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
sim_out=$(mktemp)
build/src/sim/krx-sim --pace >"$sim_out" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do [ -s "$sim_out" ] && break; sleep 0.1; done
port=$(head -n1 "$sim_out")
echo "Simulated controller on $port"
mkdir -p run
cd run
../build/src/app/krx-configurator --port "$port"
