#!/usr/bin/env bash
# The Windows ZIP as a Windows user gets it: made by cpack from the build and unpacked into an
# empty folder on the wine prefix's C: drive, it holds exactly its files, and from there the asset
# tool reads the sample set and the player renders a short stretch of it headless (the player
# finds no other set from there: it fails without the ZIP's).
#   windows_zip_test.sh BUILD_DIR VERSION WINE_RUN
set -uo pipefail
build=$1 version=$2 wine_run=$3
prefix=${WINEPREFIX:-${TMPDIR:-/tmp}/prelo-wine-$(id -u)}
"$wine_run" cmd /c exit >/dev/null 2>&1  # the prefix and its C: drive exist from here on
[ -d "$prefix/drive_c" ] || { echo "FAIL: no wine prefix at $prefix"; exit 1; }
work=$(mktemp -d "$prefix/drive_c/prelo-zip-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
zip=$work/package/prelo-$version-win32.zip
[ -f "$zip" ] || { echo "FAIL: cpack made no $(basename "$zip")"; ls "$work/package"; exit 1; }
mkdir "$work/unpacked" && (cd "$work/unpacked" && cmake -E tar xf "$zip") || { echo "FAIL: $zip does not unpack"; exit 1; }
folder=$work/unpacked/prelo-$version-win32

wanted=(prelo-host.exe prelo-assets.exe Prelo.dll Graph.dll Layerforge.dll LICENSE README.txt
  samples/Prelo.zpx samples/Prelo.moz samples/PreloM.moz samples/Vuvi01.wav samples/Prelo.ini)
(cd "$folder" && find . -type f | sed 's|^\./||' | sort) >"$work/found"
printf '%s\n' "${wanted[@]}" | sort >"$work/wanted"
cmp -s "$work/found" "$work/wanted" || fail "the ZIP holds other files than it should: $(diff "$work/wanted" "$work/found")"
grep -q $'\r$' "$folder/README.txt" || fail "README.txt does not have Windows line ends"

cd "$folder" || exit 1
out=$("$wine_run" prelo-assets.exe info samples\\Prelo.zpx 2>&1 | tr -d '\r')
grep -qE '^archive samples.Prelo\.zpx: [0-9]+ entries' <<<"$out" || fail "the tool does not read the sample set: $out"
out=$("$wine_run" prelo-host.exe --headless --hidden --stop 300 --capture 200 2>&1 | tr -d '\r')
grep -qE '^frame 200 [0-9a-f]{16} -$' <<<"$out" || fail "the player does not render from the unpacked folder: $out"

[ $failures -eq 0 ] || exit 1
echo "PASS: the ZIP unpacks into an empty folder and plays from there"
