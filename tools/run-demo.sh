#!/usr/bin/env bash
# Sets the machine up, builds the program and runs it against the project's demo portal on
# loopback. Extra arguments go to the program (for example "-hh").
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -f tools/demo-portal/portal.py ]; then
  port=${VELMOOR_DEMO_PORT:-8765}
  python3 tools/demo-portal/portal.py --port "$port" &
  portal=$!
  trap 'kill $portal 2>/dev/null || true' EXIT
  export VELMOOR_PORTAL="http://127.0.0.1:$port"
  sleep 0.5
fi
args=("$@")
[ ${#args[@]} -gt 0 ] || args=(ns)
build/velmoor "${args[@]}"
