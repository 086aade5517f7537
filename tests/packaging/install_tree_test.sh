#!/usr/bin/env bash
# The install tree and the Debian package of a build:
#  - `cmake --install` puts every file in its place: the commands, the libraries in lib/prelo,
#    the sample set, the icon in every size, desktop entry, metainfo, a man page per command;
#  - moved to another prefix, the programs still find their libraries (through RPATH) and the
#    sample set, from any current folder, and every command answers --version;
#  - the package made by cpack holds the same files under /usr, depends on SDL2, zlib and
#    libspng, suggests ffmpeg and recommends nothing, and unpacked into an empty root it renders,
#    and plays in a window when a virtual display can be had.
#   install_tree_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
command -v help2man >/dev/null || { echo "SKIP: help2man is not installed, so the build made no man pages"; exit 77; }
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/first" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
mv "$work/first" "$work/moved"
prefix=$work/moved
commands=()
for program in "$prefix"/bin/*; do commands+=("$(basename "$program")"); done
[ ${#commands[@]} -ge 2 ] || fail "bin/ holds ${commands[*]:-nothing}"

expected=(lib/prelo/Prelo.so lib/prelo/Graph.so lib/prelo/Layerforge.so lib/prelo/libplatform.so
  share/prelo/samples/Prelo.zpx share/prelo/samples/Prelo.moz share/prelo/samples/PreloM.moz
  share/prelo/samples/Vuvi01.wav share/prelo/samples/Prelo.ini
  share/applications/org.prelo.Prelo.desktop share/metainfo/org.prelo.Prelo.metainfo.xml
  share/doc/prelo/copyright share/doc/prelo/changelog.gz)
for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/prelo.png"); done
for command in "${commands[@]}"; do expected+=("bin/$command" "share/man/man1/$command.1.gz"); done
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "the install tree lacks $file"
done
# Nothing beyond what is listed: a stray file is as much a mistake as a missing one.
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/found"
printf '%s\n' "${expected[@]}" | sort >"$work/wanted"
extra=$(comm -23 "$work/found" "$work/wanted")
[ -z "$extra" ] || fail "the install tree holds files no one asked for: $extra"
[ "$(file -b --mime-type "$prefix/share/icons/hicolor/48x48/apps/prelo.png" 2>/dev/null || echo image/png)" = image/png ] ||
  fail "the icon is not a PNG"
for command in "${commands[@]}"; do
  [ "$("$prefix/bin/$command" --version)" = "$command $version" ] || fail "$command --version does not say $command $version"
  zcat "$prefix/share/man/man1/$command.1.gz" | grep -qF -- '\-\-version' || fail "the man page of $command misses its options"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.prelo.Prelo.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the metainfo: $(cat "$work/appstream.log")"
fi

renders() {  # PREFIX: renders half a second from an unrelated folder with the default sample set
  mkdir -p "$work/elsewhere"
  (cd "$work/elsewhere" && rm -rf out && "$1/bin/prelo-play" --render out --from 20000 --to 20500 --no-video \
    >"$work/render.log" 2>&1) && [ -s "$work/elsewhere/out/contact-sheet.png" ]
}
renders "$prefix" || fail "the moved prefix does not render: $(tail -3 "$work/render.log")"
"$prefix/bin/prelo-render" --stop 300 --capture 200 >"$work/runner.log" 2>&1 ||
  fail "prelo-render does not play from the moved prefix: $(tail -3 "$work/runner.log")"

# The package, made afresh from the same build.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$work/package/prelo_${version}_amd64.deb
[ -f "$deb" ] || { echo "FAIL: cpack made no $(basename "$deb")"; ls "$work/package"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 zlib1g libspng0; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = ffmpeg ] && [ -z "$(dpkg-deb -f "$deb" Recommends)" ] ||
  fail "the package does not suggest ffmpeg alone: $(dpkg-deb -f "$deb" Recommends Suggests)"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort >"$work/packed"
cmp -s "$work/packed" "$work/wanted" || fail "the package and the install tree differ: $(diff "$work/wanted" "$work/packed")"

root=$work/root
dpkg-deb -x "$deb" "$root"
renders "$root/usr" || fail "the unpacked package does not render: $(tail -3 "$work/render.log")"
if command -v Xvfb >/dev/null; then
  display=:$((50 + RANDOM % 400))
  Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  # Still playing after three seconds, and nothing said but the missing sound card, if that.
  (cd "$work/elsewhere" && DISPLAY=$display SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$work/config \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" timeout 3 "$root/usr/bin/prelo-play" >"$work/play.log" 2>&1)
  [ $? -eq 124 ] || fail "the unpacked package does not play in a window: $(tail -3 "$work/play.log")"
fi

[ $failures -eq 0 ] || exit 1
echo "PASS: ${#expected[@]} files in place, relocated and unpacked trees render and play, package as installed"
