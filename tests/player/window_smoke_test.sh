#!/usr/bin/env bash
# The player's window on a virtual display, driven by real key presses, in two runs:
#  1. the demo's own music player (--music 0, so the jump keys work): key 7 jumps to scene 7,
#     where cancelling is allowed; Ctrl+P pauses and resumes without jumping to scene 11 (P),
#     Alt+Enter goes fullscreen without cancelling; F12 saves a screenshot into ~/Pictures/Prelo;
#     space then ends the demo, long before the music would have.
#  2. the host's music, its samples written to a file: pause holds the music time, a step moves
#     it one frame, play goes on from exactly there; mute silences the samples; volume, scaling
#     and fullscreen are kept in the settings file; a screenshot folder that cannot be made is
#     reported; Escape quits.
#  3. the next window starts with the kept settings, and a one-run option is not kept; Q quits.
#     A damaged settings file is then reported, ignored and left as it was.
#   window_smoke_test.sh PRELO_PLAY ASSETS
set -uo pipefail
player=$1
assets=$2
for tool in Xvfb xdotool od; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -f "$assets/Prelo.zpx" ] || { echo "SKIP: no sample assets in $assets"; exit 77; }

work=$(mktemp -d)
xvfb=""
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# A display no other server holds, or the player's window would open on that one, and one that
# answers before the player starts: on a loaded machine the server takes a while to come up, and
# another test's server may take the same number first.
display_up() {
  for _ in 1 2 3 4 5; do
    local number=$((50 + RANDOM % 400))
    while [ -e "/tmp/.X${number}-lock" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 1 300); do
      kill -0 "$xvfb" 2>/dev/null || break
      if DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
        # The answer must be this server's, still running, not another's that took the number.
        sleep 0.3
        kill -0 "$xvfb" 2>/dev/null || break
        display=":$number"
        return 0
      fi
      sleep 0.1
    done
    kill "$xvfb" 2>/dev/null
  done
  return 1
}
display_up || { echo "FAIL: no virtual display came up"; exit 1; }
export DISPLAY=$display SDL_AUDIODRIVER=dummy HOME=$work/home XDG_CONFIG_HOME=$work/config
unset XDG_PICTURES_DIR
mkdir -p "$HOME"
# The display and bus client libraries keep allocations for the process's life; in sanitizer
# builds the leak report would be theirs. The player's own paths are leak-checked headless.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

log=$work/log
fail() {
  echo "FAIL: $*"
  tail -c 2000 "$log"
  kill "$player_pid" 2>/dev/null
  exit 1
}
start() {  # player arguments...
  "$player" --assets "$assets" "$@" >"$log" 2>&1 &
  player_pid=$!
  window=""
  # Up to 30 s: on a loaded machine the first frame can take a while.
  for _ in $(seq 1 300); do
    window=$(xdotool search --name '^Prelo' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    kill -0 "$player_pid" 2>/dev/null || fail "the player ended before its window appeared"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no player window appeared"
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}
key() {  # the window is looked up afresh: going fullscreen may give it a new one
  window=$(xdotool search --name '^Prelo' 2>/dev/null | tail -1)
  xdotool key --window "$window" "$@"
  sleep 0.4
}
said() { grep -a "$1" "$log" | tail -1; }
ended() {  # waits for the player to end by itself; its status
  for _ in $(seq 1 100); do
    kill -0 "$player_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$player_pid" 2>/dev/null && return 99
  wait "$player_pid"
}
ms() { sed -E 's/.* ([0-9]+)\.([0-9]{3}) s.*/\1\2/; s/^0+([0-9])/\1/' <<<"$1"; }

# Run 1: the demo's own player (its settings kept apart from run 2's).
XDG_CONFIG_HOME=$work/config-1 start --music 0 --key-cancel --no-loop --overlay --print-overlay
key 7
sleep 1.5
key ctrl+p
key ctrl+p
key alt+Return
kill -0 "$player_pid" 2>/dev/null || fail "Alt+Enter reached the demo as a cancel key"
key F12
key space
ended
status=$?
[ $status -ne 99 ] || fail "the demo did not end after the jump and the cancel key"
[ $status -eq 0 ] || fail "the player exited with $status"
grep -aq "scene 7" "$log" || fail "the overlay never showed scene 7"
grep -aq "scene 11" "$log" && fail "Ctrl+P reached the demo as its P key"
[ -n "$(said '^paused at')" ] && [ -n "$(said '^playing on from')" ] || fail "Ctrl+P did not pause and resume"
[ -n "$(said '^fullscreen')" ] || fail "Alt+Enter did not go fullscreen"
shot=$(ls "$HOME"/Pictures/Prelo/prelo-shot-*.png 2>/dev/null | head -1)
[ -n "$shot" ] || fail "F12 wrote no screenshot into ~/Pictures/Prelo"
[ -n "$(said "^screenshot: $shot")" ] || fail "the terminal did not say where the screenshot went"

# Run 2: the host's music into a file.
samples=$work/samples.raw
touch "$work/not-a-folder"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$samples XDG_PICTURES_DIR=$work/not-a-folder start --no-loop
key Pause
sleep 1
paused=$(ms "$(said '^paused at')")
key period
stepped=$(ms "$(said '^step to')")
key Pause
resumed=$(ms "$(said '^playing on from')")
[ -n "$paused" ] && [ -n "$stepped" ] && [ -n "$resumed" ] || fail "Pause, step and resume were not all reported"
step=$((stepped - paused))
[ $step -ge 1 ] && [ $step -le 34 ] || fail "a step moved the music time by $step ms, not one frame"
[ "$resumed" -eq "$stepped" ] || fail "paused at $stepped ms but played on from $resumed ms"
loud=$(stat -c %s "$samples")
key m
sleep 0.3
from=$(stat -c %s "$samples")
sleep 0.8
to=$(stat -c %s "$samples")
[ $((to - from)) -gt 1000 ] || fail "the sound device wrote no samples while muted"
[ "$(head -c "$loud" "$samples" | od -An -v -tu1 | tr -s ' 0\n' '\n' | grep -c .)" -gt 1000 ] ||
  fail "the music was silent before the mute"
[ "$(tail -c +"$((from + 1))" "$samples" | head -c "$((to - from))" | od -An -v -tu1 | tr -s ' 0\n' '\n' |
  grep -c .)" -eq 0 ] || fail "muted, yet the samples were not silent"
key minus
[ -n "$(said '^volume 90 %')" ] || fail "minus did not turn the volume down"
key s
key F11
key F12
[ -n "$(said 'no screenshot: .*not-a-folder is not a folder')" ] || fail "an unusable screenshot folder went unreported"
# Escape quits a player whose demo does not take it as its cancel key.
key Escape
ended
status=$?
[ $status -ne 99 ] || fail "Escape did not quit the player"
[ $status -eq 0 ] || fail "the player quit by Escape exited with $status"
settings=$XDG_CONFIG_HOME/prelo/player.ini
printf 'fullscreen = yes\nscaling = integer\nvolume = 90\n' | cmp -s - <(grep -v '^#' "$settings") ||
  fail "the settings file does not hold fullscreen, integer scaling and volume 90: $(cat "$settings")"

# Run 3: the kept volume is where the next window starts; an option given for one run
# (--scale smooth) is not remembered over the kept value.
start --no-loop --scale smooth
key minus
[ -n "$(said '^volume 80 %')" ] || fail "the next window did not start at the kept volume 90"
key q
ended
status=$?
[ $status -ne 99 ] || fail "Q did not quit the player"
[ $status -eq 0 ] || fail "the player quit by Q exited with $status"
printf 'fullscreen = yes\nscaling = integer\nvolume = 80\n' | cmp -s - <(grep -v '^#' "$settings") ||
  fail "one run's --scale was remembered, or the new volume was not: $(cat "$settings")"

# A damaged settings file: reported, ignored, left as it was.
printf 'volume = loud\n' >"$settings"
"$player" --version >"$log" 2>&1 || fail "a damaged settings file stopped the player"
grep -aq "ignoring the settings file: .*line 1: 'loud' is no value for volume" "$log" ||
  fail "the damaged settings file was not reported"
[ "$(cat "$settings")" = "volume = loud" ] || fail "the damaged settings file was written over"
echo "PASS: jump, pause, step, mute, volume, scaling, fullscreen, screenshots, settings and the quit keys"
