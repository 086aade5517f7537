#!/usr/bin/env bash
# Plays the demo with the native runner and with the Windows host under wine, capturing one
# frame in every scene (the movie included), and fails unless both builds give the same hashes.
# usage: compare_frames.sh NATIVE_RUNNER WINE_RUN WINDOWS_HOST ASSETS_FOLDER
# Exit 77 (skipped) when the native runner or the sample assets are not there.
set -uo pipefail
native=$1 winerun=$2 host=$3 assets=$4
[ -x "$native" ] || { echo "no native runner at $native"; exit 77; }
[ -f "$assets/Prelo.zpx" ] || { echo "no sample assets in $assets"; exit 77; }
times=2500,8000,16000,24000,31000,39000,46000,48500,53500,59000,62000,64500,80000,100000,110000,120000
args=(--assets "$assets" --step 100 --stop 121000 --capture "$times")
frames() { tr -d '\r' | awk '/^frame /{print $2, $3}'; }
expected=$("$native" "${args[@]}" | frames)
actual=$("$winerun" "$host" --headless --visible "${args[@]}" | frames)
echo "native:"; echo "$expected"
if [ -z "$expected" ] || [ "$expected" != "$actual" ]; then
  echo "windows:"; echo "$actual"
  diff <(echo "$expected") <(echo "$actual")
  exit 1
fi
echo "windows build: the same $(echo "$expected" | wc -l) frames"
