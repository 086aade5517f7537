#!/usr/bin/env bash
# The Debian package installed as a user installs it: into a clean Debian root of this machine's
# release (debootstrap, minimal base), `apt-get install ./prelo_*.deb` must bring in everything
# the package needs from Debian alone and nothing it merely suggests (ffmpeg), and the installed
# programs must then answer and render there. Slow (it downloads a base system the first time,
# kept in build/debian-root), so ./check runs it only with --long. Needs root.
#   clean_root_install.sh DEB [ROOT_CACHE]
set -uo pipefail
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
cache=${2:-$(cd "$(dirname "$0")/../.." && pwd)/build/debian-root}
[ -f "$deb" ] || { echo "FAIL: no package $deb"; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "SKIP: debootstrap and chroot need root"; exit 77; }
command -v debootstrap >/dev/null || { echo "SKIP: debootstrap is not installed (scripts/install check)"; exit 77; }
. /etc/os-release
if [ ! -x "$cache/base/usr/bin/apt-get" ]; then
  rm -rf "$cache/base"
  debootstrap --variant=minbase "$VERSION_CODENAME" "$cache/base" http://deb.debian.org/debian >"$cache.log" 2>&1 ||
    { tail -5 "$cache.log"; echo "FAIL: debootstrap"; exit 1; }
fi
root=$cache/root
rm -rf "$root" && cp -a "$cache/base" "$root"
mounted=()
trap 'for m in "${mounted[@]}"; do umount "$m"; done; rm -rf "$root"' EXIT
for m in proc dev; do mount --bind "/$m" "$root/$m" && mounted=("$root/$m" "${mounted[@]}"); done
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

installed_kib() { in_root dpkg-query -W -f='${Installed-Size}\n' | awk '{ kib += $1 } END { print kib }'; }
base_kib=$(installed_kib)
in_root apt-get update -q >"$cache.apt.log" 2>&1 || fail "apt-get update in the clean root"
in_root apt-get install -y -q "/tmp/$(basename "$deb")" >>"$cache.apt.log" 2>&1 ||
  { tail -20 "$cache.apt.log"; fail "the package does not install with its dependencies"; }
in_root dpkg-query -W -f='${Status}' prelo 2>/dev/null | grep -q 'install ok installed' || fail "prelo is not installed"
! in_root dpkg-query -W -f='${Status}' ffmpeg 2>/dev/null | grep -q 'install ok installed' ||
  fail "ffmpeg came in with the package"
for command in prelo-play prelo-render prelo-assets; do
  in_root "$command" --version >/dev/null 2>&1 || fail "$command does not run in the clean root"
done
in_root prelo-assets info /usr/share/prelo/samples/Prelo.zpx >/dev/null 2>&1 || fail "prelo-assets cannot read the sample set"
out=$(cd / && in_root prelo-render --stop 300 --capture 200 2>&1)
grep -qE '^frame 200 [0-9a-f]{16} -$' <<<"$out" || fail "prelo-render does not play in the clean root: $out"
echo "the package and its dependencies take $((($(installed_kib) - base_kib) / 1024)) MiB installed"

[ $failures -eq 0 ] || exit 1
echo "PASS: the package installs into a clean Debian root with its dependencies alone, and plays there"
