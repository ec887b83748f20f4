#!/usr/bin/env bash
# Sets the machine up, builds the program and runs it against the project's demo portal on
# loopback. Extra arguments go to the program (for example "-hh").
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target velmoor
if [ -f tools/demo-portal/portal.py ]; then
  port=${VELMOOR_DEMO_PORT:-8765}
  python3 tools/demo-portal/portal.py --port "$port" &
  portal=$!
  trap 'kill $portal 2>/dev/null || true' EXIT
  export VELMOOR_PORTAL="http://127.0.0.1:$port"
  # Up to 10 s for the portal to listen before the shell asks it for the access page.
  for _ in $(seq 100); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
  done
fi
args=("$@")
[ ${#args[@]} -gt 0 ] || args=(ns)
build/velmoor "${args[@]}"
