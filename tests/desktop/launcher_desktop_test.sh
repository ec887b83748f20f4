#!/usr/bin/env bash
# The launcher on a real X server: its window, skin, hover, boss key, hidden start and the save
# on termination. Usage: launcher_desktop_test.sh <velmoor program> [artifact folder]
set -u
program=$1
artifacts=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/xvfb-env.sh"
trap desktop_cleanup EXIT
desktop_start || exit 1

passed=0
failed=0
check() {  # name, command...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"; else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

app=$WORK/app
mkdir -p "$app"
cp "$program" "$app/velmoor"
ini=$app/static.ini
setting() { sed -n "s/^$1=//p" "$ini" | head -n 1; }

start_app() {  # arguments...
  ( cd "$app" && exec ./velmoor "$@" ) >"$WORK/app.log" 2>&1 &
  APP_PID=$!
}
stop_app() {
  kill -TERM "$APP_PID" 2>/dev/null
  wait "$APP_PID"
  local code=$?
  APP_PID=
  return $code
}

# 1. First run with an installer's name and no "start": the window, the skin, hover, the boss key.
printf '[tavu]\nfilename=abc_def.exe\ninner=1\n' >"$ini"  # the installed copy: no self-installation
start_app ns
check "launcher window maps" wait_for 20 is_mapped OrvelVelmoor
wid=$(window_id OrvelVelmoor)
info=$([ -n "$wid" ] && xwininfo -id "$wid")
check "1200 x 815" grep -q 'Width: 1200' <<<"$info"
check "height 815" grep -q 'Height: 815' <<<"$info"
check "centred" grep -q 'Absolute upper-left X:  360' <<<"$info"
check "centred vertically" grep -q 'Absolute upper-left Y:  132' <<<"$info"
check "32-bit visual" grep -q 'Depth: 32' <<<"$info"
check "undecorated top-level named OrvelVelmoor" test "$(xdotool search --name '^OrvelVelmoor$' | wc -l)" -eq 1
sleep 0.5
import -window root -crop 132x38+1047+279 "$WORK/forum-normal.png"
xdotool mousemove 1113 298
sleep 0.5
import -window root -crop 132x38+1047+279 "$WORK/forum-hover.png"
[ -n "$artifacts" ] && mkdir -p "$artifacts" && import -window root "$artifacts/launcher-hover.png"
diff_pixels=$(compare -metric AE "$WORK/forum-normal.png" "$WORK/forum-hover.png" null: 2>&1 || true)
check "hovering the forum button changes its frame ($diff_pixels pixels)" test "${diff_pixels%%.*}" -gt 100
xdotool mousemove 100 100
xdotool key F10
check "F10 hides the launcher" wait_for 5 is_unmapped OrvelVelmoor
xdotool key F10
check "F10 shows it again" wait_for 5 is_mapped OrvelVelmoor
stop_app
check "SIGTERM ends with exit code 0" test $? -eq 0
check "uid = abc" test "$(setting uid)" = abc
check "filename = def" test "$(setting filename)" = def
check "start = 1" test "$(setting start)" = 1
check "hotkey = 121" test "$(setting hotkey)" = 121
check "hotName = F10" test "$(setting hotName)" = F10
check "CloseType = 0" test "$(setting CloseType)" = 0
check "AutoStart = 0" test "$(setting AutoStart)" = 0

# 2. A second run reads the ids as stored; a hidden start maps nothing until the boss key.
start_app -hh
sleep 2
check "-hh maps no window" is_unmapped OrvelVelmoor
xdotool key F10
check "the boss key shows the hidden launcher" wait_for 10 is_mapped OrvelVelmoor
stop_app
check "second run keeps uid" test "$(setting uid)" = abc
check "second run keeps filename" test "$(setting filename)" = def

# 3. No boss key: F10 does nothing, and the key was released by the earlier runs.
sed -i 's/^hotkey=.*/hotkey=-1/' "$ini"
start_app ns
check "launcher maps without a boss key" wait_for 20 is_mapped OrvelVelmoor
xdotool key F10
sleep 1
check "F10 does nothing with hotkey = -1" is_mapped OrvelVelmoor
stop_app
check "hotkey stays -1" test "$(setting hotkey)" = -1

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
