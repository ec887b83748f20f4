#!/usr/bin/env bash
# Measures exec → window mapped for the launcher and for a bare GTK/WebKitGTK window, in the same
# run under one Xvfb, and prints the median of each. Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
display=:$((RANDOM % 400 + 500))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
export VELMOOR_PORTAL=http://127.0.0.1:9
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config HOME=$work
export WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
cp "$build/velmoor" "$work/velmoor"

measure() {  # name, window title, command...
  local title=$1; shift
  local start end pid
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  # Poll finely: xdotool's own --sync waits in half-second steps.
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

launcher=()
bare=()
for _ in $(seq "$runs"); do
  launcher+=("$(measure OrvelVelmoor "$work/velmoor" ns)")
  bare+=("$(measure BareWindow "$build/bench/bench_bare_window")")
done
echo "launcher mapped (ms, median of $runs): $(printf '%s\n' "${launcher[@]}" | median)"
echo "bare GTK/WebKitGTK window mapped (ms, median of $runs): $(printf '%s\n' "${bare[@]}" | median)"
