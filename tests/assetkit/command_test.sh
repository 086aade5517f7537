#!/usr/bin/env bash
# prelo-assets on the sample set, as a user runs it: info, byte-exact round trips of the archive
# and both movies, a changed picture that lands in its entry alone, and one line with exit status
# 1 for every picture pack refuses. Given a second tool (the native build's), the two must write
# the same bytes from the same folders.
# usage: command_test.sh ASSETS WORK TOOL... [-- OTHER_TOOL...]
# Exit 77 (skipped) when the sample set or ImageMagick's convert is not there.
set -uo pipefail
assets=$1 work=$2
shift 2
tool=() other=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do tool+=("$1"); shift; done
[ $# -gt 0 ] && { shift; other=("$@"); }
[ -f "$assets/Prelo.zpx" ] || { echo "no sample set in $assets"; exit 77; }
command -v convert >/dev/null || { echo "no ImageMagick convert here"; exit 77; }
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "${tool[@]}" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# info: one line per entry, each naming a format and, for pictures, a size.
run info "$assets/Prelo.zpx" >info.txt || fail "info on the archive"
entries=$(head -1 info.txt | sed -nE 's/.*: ([0-9]+) entries.*/\1/p')
[ "$(grep -cE '^ +[0-9]+ +[0-9]+ +[0-9]+  (PMS 8-bit|PMS 16-bit|PMS 16-bit with alpha|BMP 24-bit) +[0-9]+ x [0-9]+( +scene .*)?$' info.txt)" = "$entries" ] ||
  fail "info lists every entry with its format and size"
# The strip caption of scene 3 says when it is on the screen, in the text, the JSON and the manifest.
strip_roles='[{"scene": 3, "from_ms": 26066, "to_ms": 27754, "role": "caption strip between the bars"}]'
grep -qE '^ +17 .* 563 x 33 +scene 3, 26\.066 to 27\.754 s: caption strip between the bars$' info.txt ||
  fail "info says when entry 17 is on the screen"
run info "$assets/Prelo.zpx" --json | python3 -c 'import json,sys; d=json.load(sys.stdin); assert len(d["entries"]) == '"$entries"'; assert d["entries"][17]["on_screen"] == json.loads(sys.argv[1]); assert "on_screen" not in d["entries"][1]' "$strip_roles" ||
  fail "info --json is JSON with every entry, and the roles of the pictures the scenes show"
run info "$assets/PreloM.moz" | grep -qE ': [0-9]+ frames of 240 x 180,' || fail "info on the small movie"
run info "$assets/Vuvi01.wav" | grep -qE ': PCM, .* [0-9]+ ms$' || fail "info on the music"

# Round trips, byte for byte.
run extract "$assets/Prelo.zpx" pictures >/dev/null || fail "extract"
python3 -c 'import json,sys; d=json.load(open("pictures/manifest.json")); assert d["entries"][17]["on_screen"] == json.loads(sys.argv[1])' "$strip_roles" ||
  fail "the manifest says when each picture is on the screen"
run pack pictures same.zpx >/dev/null && cmp -s same.zpx "$assets/Prelo.zpx" || fail "extract then pack is byte-identical"
run movie-extract "$assets/PreloM.moz" frames >/dev/null || fail "movie-extract"
run movie-pack frames PreloM.moz >/dev/null && cmp -s PreloM.moz "$assets/PreloM.moz" ||
  fail "movie-extract then movie-pack is byte-identical"

# A changed picture lands in its own entry; every other entry keeps its bytes.
convert pictures/cg_017.png -fill red -draw 'rectangle 2,2 40,20' pictures/cg_017.png
run pack pictures changed.zpx | grep -q 'with 1 of' || fail "pack counts the one changed picture"
run extract changed.zpx again >/dev/null || fail "extract of the changed archive"
for png in pictures/cg_*.png; do
  name=$(basename "$png")
  same=$(convert "$png" rgba:- | cmp -s - <(convert "again/$name" rgba:-) && echo yes || echo no)
  [ "$same" = yes ] || fail "$name shows what the folder held"
done

# Refusals: each one line naming the file and entry, exit status 1, and nothing written.
refuse() {  # entry, what to do to its PNG (convert arguments, or "garbage"), words expected
  local entry=$1 edit=$2 expected=$3 dir="refuse_$1"
  rm -rf "$dir" && cp -r pictures "$dir"
  local png="$dir/cg_$(printf %03d "$entry").png"
  rm -f refused.zpx
  if [ "$edit" = garbage ]; then head -c 100 /dev/urandom >"$png"; else eval "convert \"\$png\" $edit \"\$png\""; fi
  local out status
  out=$(run pack "$dir" refused.zpx)
  status=$?
  [ "$status" = 1 ] || fail "entry $entry ($edit): exit status $status, not 1"
  [ "$(echo "$out" | wc -l)" = 1 ] && echo "$out" | grep -q "cg_$(printf %03d "$entry").png (entry $entry): .*$expected" ||
    fail "entry $entry ($edit): '$out' does not say '$expected'"
  [ ! -e refused.zpx ] || fail "entry $entry ($edit): an archive was written"
}
refuse 17 '-resize 50%' 'is 282 x 17, but the entry is 563 x 33'
refuse 1 '-alpha set -channel A -evaluate set 50% +channel' 'has transparent pixels, but the entry has no alpha'
refuse 2 '-alpha off' 'has no alpha channel, but the entry has one'
refuse 3 "-fill 'rgb(200,10,10)' -draw 'point 3,3'" 'not in the palette of the 8-bit entry'
refuse 3 '-type TrueColor +noise Random' 'more than 256 colours'
refuse 4 garbage 'unreadable PNG'
run pack pictures same.zpx --allow-resize >/dev/null || fail "pack with --allow-resize"
rm -rf resized && cp -r pictures resized && convert resized/cg_017.png -resize 50% resized/cg_017.png
run pack resized resized.zpx --allow-resize >/dev/null || fail "--allow-resize lets a new size through"

# Movie frames: the same size as the first, no transparency, 8-bit.
movie_refuse() {  # frame, convert arguments, the kind of PNG to write, words expected
  rm -rf refuse_movie && cp -r frames refuse_movie && rm -f refuse_movie/manifest.json refuse_movie/original.moz
  local png="refuse_movie/frame_$(printf %05d "$1").png"
  eval "convert \"\$png\" $2 \"$3\$png\"" || fail "convert $2"
  local out status
  out=$(run movie-pack refuse_movie refused.moz)
  status=$?
  [ "$status" = 1 ] && echo "$out" | grep -q "frame_$(printf %05d "$1").png: .*$4" || fail "frame $1 ($2): '$out'"
}
movie_refuse 3 '-resize 50%' '' 'but the first frame is 240 x 180'
movie_refuse 4 '-alpha set -channel A -evaluate set 50% +channel' PNG32: 'transparent pixels'
movie_refuse 5 '-type TrueColor +noise Random' PNG24: 'more than 256 colours'
rm -rf new_movie && cp -r frames new_movie && rm -f new_movie/manifest.json new_movie/original.moz
run movie-pack new_movie new.moz >/dev/null && run info new.moz | grep -qE ': [0-9]+ frames of 240 x 180' ||
  fail "movie-pack makes a movie from PNGs alone"

# Damaged files: one line, exit status 1.
head -c 1000 "$assets/Prelo.zpx" >short.zpx
head -c 30 "$assets/PreloM.moz" >short.moz
for damaged in short.zpx short.moz; do
  out=$(run info "$damaged")
  [ $? = 1 ] && [ "$(echo "$out" | wc -l)" = 1 ] || fail "info on $damaged: '$out'"
done
out=$(run extract short.zpx from_short)
[ $? = 1 ] && echo "$out" | grep -q 'outside the file' || fail "extract of a damaged archive: '$out'"

# An existing output survives a failed run.
cp "$assets/Prelo.zpx" kept.zpx
run pack refuse_4 kept.zpx >/dev/null
cmp -s kept.zpx "$assets/Prelo.zpx" || fail "a refused pack leaves the existing archive as it was"
run extract "$assets/Prelo.zpx" pictures >/dev/null && fail "extract into a folder that holds files"

# A video of the frames, where ffmpeg is (the Windows tool is not asked: its ffmpeg would be a
# Windows one).
if command -v ffmpeg >/dev/null && [ ${#other[@]} -eq 0 ]; then
  run movie-extract "$assets/PreloM.moz" video_frames --mp4 movie.mp4 >/dev/null &&
    [ "$(ffprobe -v error -count_frames -select_streams v -show_entries stream=nb_read_frames -of csv=p=0 movie.mp4)" = \
      "$(ls video_frames/frame_*.png | wc -l)" ] || fail "--mp4 writes a video of every frame"
fi

# The other build writes the same bytes from the same folders.
if [ ${#other[@]} -gt 0 ]; then
  "${other[@]}" pack pictures other.zpx >/dev/null && cmp -s other.zpx changed.zpx || fail "both builds pack the same bytes"
  "${other[@]}" extract "$assets/Prelo.zpx" other_pictures >/dev/null || fail "extract with the other build"
  run extract "$assets/Prelo.zpx" pictures_fresh >/dev/null
  diff -rq pictures_fresh other_pictures || fail "both builds extract the same files"
fi

[ "$failures" = 0 ] && echo "prelo-assets: every check passed" || exit 1
