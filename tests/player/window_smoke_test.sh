#!/usr/bin/env bash
# The player's window on a virtual display, driven by real key presses: with the host refusing the
# music (so the demo plays its music file itself and honours the jump keys), key 7 jumps to scene
# 7, where cancelling is allowed, F12 saves a screenshot, and space then ends the demo. The player must exit
# by itself, successfully, long before the music would have ended.
#   window_smoke_test.sh PRELO_PLAY ASSETS
set -uo pipefail
player=$1
assets=$2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -f "$assets/Prelo.zpx" ] || { echo "SKIP: no sample assets in $assets"; exit 77; }

display=:$((50 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
# The display and bus client libraries keep allocations for the process's life; in sanitizer
# builds the leak report would be theirs. The player's own paths are leak-checked headless.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
sleep 1

log=$(mktemp)
shots=$(mktemp -d)
cd "$shots"
"$player" --assets "$assets" --music 0 --key-cancel --no-loop --overlay >"$log" 2>&1 &
player_pid=$!

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Prelo' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no player window appeared"; cat "$log"; kill $player_pid; exit 1; }

sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" 7
sleep 2
xdotool key --window "$window" F12
sleep 0.5
xdotool key --window "$window" space

for _ in $(seq 1 100); do
  kill -0 $player_pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $player_pid 2>/dev/null; then
  echo "FAIL: the demo did not end after the jump and the cancel key"
  tail -c 2000 "$log"
  kill $player_pid
  exit 1
fi
wait $player_pid
status=$?
[ $status -eq 0 ] || { echo "FAIL: the player exited with $status"; tail -c 2000 "$log"; exit 1; }
# The overlay shows the scene the jump reached.
grep -aq "scene 7" "$log" || { echo "FAIL: the overlay never showed scene 7"; tail -c 2000 "$log"; exit 1; }
ls "$shots"/prelo-shot-*.png >/dev/null 2>&1 || { echo "FAIL: F12 wrote no screenshot"; tail -c 2000 "$log"; exit 1; }
echo "PASS: jumped to scene 7, took a screenshot and cancelled"
