#!/usr/bin/env bash
# scripts/install on a machine that has nothing, with apt-get, dpkg and friends stood in for so
# that nothing is installed: the play list alone brings no wine, mingw, clang or test libraries
# and no i386 architecture; adding the windows list brings wine and the i386 architecture; no
# list at all means every list; an unknown list is refused before apt-get is called.
#   install_lists_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
stub() {  # name body
  printf '#!/usr/bin/env bash\n%s\n' "$2" >"$work/bin/$1"
  chmod +x "$work/bin/$1"
}
stub dpkg-query 'exit 1'
stub apt-get 'echo "apt-get $*" >>"$LOG"'
stub dpkg 'echo "dpkg $*" >>"$LOG"; [ "$1" = --print-foreign-architectures ] && exit 0; exit 0'
stub sudo '"$@"'
stub locale 'echo ja_JP.utf8'
stub sleep ':'
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
run() {  # lists...
  export LOG=$work/log
  : >"$LOG"
  PATH="$work/bin:$PATH" "$source_dir/scripts/install" "$@" >"$work/out" 2>&1
  echo $? >"$work/status"
  installed=$(grep '^apt-get .*install' "$LOG")
}

run play
[ "$(cat "$work/status")" -eq 0 ] || fail "install play failed: $(cat "$work/out")"
for wanted in libsdl2-dev zlib1g-dev cmake ffmpeg fonts-noto-cjk; do
  grep -qw -- "$wanted" <<<"$installed" || fail "install play does not fetch $wanted"
done
for unwanted in wine wine32:i386 g++-mingw-w64-i686 clang libgtest-dev lintian xvfb; do
  grep -qw -- "$unwanted" <<<"$installed" && fail "install play fetches $unwanted"
done
grep -q -- '--add-architecture' "$LOG" && fail "install play adds the i386 architecture"

run play windows
grep -qw -- wine32:i386 <<<"$installed" || fail "install play windows does not fetch wine32:i386"
grep -q -- 'dpkg --add-architecture i386' "$LOG" || fail "install play windows does not add the i386 architecture"
grep -qw -- clang <<<"$installed" && fail "install play windows fetches clang"

run
for wanted in libsdl2-dev wine clang lintian appstream help2man xdotool; do
  grep -qw -- "$wanted" <<<"$installed" || fail "install with no list does not fetch $wanted"
done

run play sideways
[ "$(cat "$work/status")" -ne 0 ] || fail "an unknown list was accepted"
[ -s "$LOG" ] && fail "apt-get or dpkg ran before the unknown list was refused: $(cat "$LOG")"

[ $failures -eq 0 ] && echo "PASS: each list installs what it names and nothing else"
exit $((failures != 0))
