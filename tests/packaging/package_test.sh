#!/usr/bin/env bash
# The installed layout and the Debian package: the binary in sbin/, the manual page in
# share/man/man8/, each with its mode; and the manual page lints clean.
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mandoc -Tlint -W warning "$source/man/memquill.8" || fail "mandoc -Tlint reports the manual page"

cmake --install "$build" --prefix "$scratch/root" >/dev/null
[ "$(stat -c %A "$scratch/root/sbin/memquill")" = "-rwxr-xr-x" ] || fail "installed binary"
[ "$(stat -c %A "$scratch/root/share/man/man8/memquill.8")" = "-rw-r--r--" ] || fail "installed manual page"

(cd "$build" && cpack -B "$scratch/package" >/dev/null) || fail "cpack"
deb=$(ls "$scratch"/package/memquill_*.deb)
listing=$(dpkg-deb -c "$deb")
grep -qE '^-rwxr-xr-x root/root .* \./usr/sbin/memquill$' <<<"$listing" || fail "package binary: $listing"
grep -qE '^-rw-r--r-- root/root .* \./usr/share/man/man8/memquill\.8$' <<<"$listing" ||
  fail "package manual page: $listing"
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "package dependencies"
