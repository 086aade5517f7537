#!/usr/bin/env bash
# The demo must draw the same frames whether its music plays through the host's sound service
# or through its own player of the music file: both run on the same virtual clock.
# usage: compare_music_paths.sh RUNNER ASSETS_FOLDER   (exit 77 = skipped: no sample assets)
set -uo pipefail
runner=$1 assets=$2
[ -f "$assets/Prelo.zpx" ] || { echo "no sample assets in $assets"; exit 77; }
args=(--assets "$assets" --step 100 --stop 27000 --capture 2500,8000,16000,24000)
frames() { awk '/^frame /{print $2, $3}'; }
host=$("$runner" "${args[@]}" | frames)
own=$("$runner" --no-host-sound "${args[@]}" | frames)
echo "host sound:"; echo "$host"
if [ "$(echo "$host" | wc -l)" -ne 4 ] || [ "$host" != "$own" ]; then
  echo "own player:"; echo "$own"
  exit 1
fi
