#!/usr/bin/env bash
# Builds the Debian package build/qv3n_<version>_<arch>.deb (installing what is
# missing and building first), then checks it: the files it must hold, the
# packages it depends on, and that the command-line tool runs from it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

rm -f build/qv3n_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/qv3n_*.deb)

fail() {
    echo "The package $deb is not right: $*" >&2
    exit 1
}

files=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for f in usr/bin/qv3n usr/bin/qv3n-cli usr/bin/qv3n-virtual-radio usr/share/applications/qv3n.desktop \
    usr/share/mime/packages/qv3n-chann.xml usr/share/icons/hicolor/scalable/apps/qv3n.svg \
    usr/lib/udev/rules.d/60-qv3n-cables.rules; do
    grep -qx "\./$f" <<<"$files" || fail "it does not hold /$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 libqt6svg6; do
    grep -qw "$p" <<<"$depends" || fail "it does not depend on $p"
done
dpkg-deb -f "$deb" Recommends | grep -qw fonts-noto-cjk || fail "it does not recommend fonts-noto-cjk"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -e "$deb" "$root/DEBIAN"
[ -x "$root/DEBIAN/postinst" ] && [ -x "$root/DEBIAN/postrm" ] || fail "its maintainer scripts are missing"
dpkg -x "$deb" "$root"
"$root/usr/bin/qv3n-cli" --help | grep -q '^Usage: qv3n-cli' || fail "qv3n-cli --help does not run from it"
"$root/usr/bin/qv3n-virtual-radio" --help >/dev/null || fail "qv3n-virtual-radio --help does not run from it"
# An erased memory: 256 lines of 16 times 255.
for _ in $(seq 256); do printf ' 255%.0s' $(seq 16); printf '\r\n'; done >"$root/erased.chann"
"$root/usr/bin/qv3n-cli" print "$root/erased.chann" -o "$root/erased.pdf" --quiet 2>/dev/null &&
    [ -s "$root/erased.pdf" ] || fail "qv3n-cli print does not run from it"

echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends | sed 's/^/  /'
grep -v '/$' <<<"$files" | sed 's|^\.|  |'
