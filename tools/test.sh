#!/usr/bin/env bash
# Sets the machine up, builds everything and runs every test (unit tests headless, end-to-end
# tests under an Xvfb of their own).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
