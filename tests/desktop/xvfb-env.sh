# Sourced by the desktop tests: a private Xvfb, a private home, and no network beyond loopback.
# Sets DISPLAY, HOME, XDG_* and WORK; the caller's EXIT trap should call desktop_cleanup.

desktop_start() {
  WORK=$(mktemp -d /tmp/velmoor-desktop.XXXXXX)
  export HOME=$WORK/home XDG_DATA_HOME=$WORK/home/.local/share XDG_CONFIG_HOME=$WORK/home/.config
  export XDG_CACHE_HOME=$WORK/home/.cache XDG_RUNTIME_DIR=$WORK/run
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export VELMOOR_PORTAL=${VELMOOR_PORTAL:-http://127.0.0.1:9}
  # The web engine's sandbox cannot run as root in a container; tests only.
  export WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1
  export NO_AT_BRIDGE=1 GDK_BACKEND=x11
  local n
  for n in $(seq 120 400); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 $XVFB_PID 2>/dev/null || break
      sleep 0.05
    done
  done
  echo "cannot start Xvfb" >&2
  return 1
}

desktop_cleanup() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "${WORK:-}" ] && rm -rf "$WORK"
  return 0
}

# wait_for <seconds> <command...>: true once the command succeeds.
wait_for() {
  local limit=$1; shift
  local end=$(( $(date +%s) + limit ))
  while [ "$(date +%s)" -le "$end" ]; do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

window_id() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
is_mapped() {
  local id
  id=$(window_id "$1")
  # Without an id xwininfo would wait for a click.
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'
}
is_unmapped() { ! is_mapped "$1"; }
