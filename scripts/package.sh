#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/qv3n_<version>_<arch>.deb from the sources as
# they stand, then checks it:
#  - installs what is missing, lintian and appstreamcli included;
#  - builds the three programs and their manual pages in build/, always, with
#    the hardening flags of dpkg-buildflags, so that nothing stale goes in;
#  - packages them with CPack;
#  - checks the files the package holds, what it depends on, the hardening of
#    its programs (readelf comes with g++), that they run from it without a
#    display, and runs lintian and appstreamcli, where any error or warning
#    fails.
set -euo pipefail
cd "$(dirname "$0")/.."
QV3N_EXTRA_PACKAGES="lintian appstream" bash scripts/setup.sh build

# Fortified functions, stack protector, read-only relocations, immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build -j"$(nproc)" --target qv3n qv3n-cli qv3n-virtual-radio man_pages

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
    usr/lib/udev/rules.d/60-qv3n-cables.rules usr/share/metainfo/invalid.qv3n.qv3n.metainfo.xml \
    usr/share/man/man1/qv3n.1.gz usr/share/man/man1/qv3n-cli.1.gz usr/share/man/man1/qv3n-virtual-radio.1.gz \
    usr/share/bash-completion/completions/qv3n-cli usr/share/doc/qv3n/copyright usr/share/doc/qv3n/changelog.gz \
    usr/share/qv3n/channel-sets/pmr446.csv usr/share/qv3n/channel-sets/china-public-409.csv \
    usr/share/qv3n/channel-sets/frs.csv usr/share/qv3n/channel-sets/gmrs.csv; do
    grep -qx "\./$f" <<<"$files" || fail "it does not hold /$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 libqt6svg6 libyaml-cpp0.7; do
    grep -qw "$p" <<<"$depends" || fail "it does not depend on $p"
done
grep -q "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei" <<<"$depends" ||
    fail "it does not depend on a font that covers Chinese"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -e "$deb" "$root/DEBIAN"
[ -x "$root/DEBIAN/postinst" ] && [ -x "$root/DEBIAN/postrm" ] || fail "its maintainer scripts are missing"
dpkg -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
for program in qv3n qv3n-cli qv3n-virtual-radio; do
    binary="$root/usr/bin/$program"
    grep -q GNU_RELRO <<<"$(readelf -lW "$binary")" || fail "$program has no read-only relocations"
    grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$(readelf -dW "$binary")" || fail "$program does not bind immediately"
    grep -q __stack_chk_fail <<<"$(readelf -sW --dyn-syms "$binary")" || fail "$program has no stack protector"
    # No display needed: a platform that does not exist would end a program that reached for one.
    [ "$(QT_QPA_PLATFORM=none "$binary" --version)" = "$program $version" ] ||
        fail "$program --version does not say $program $version"
    grep -q '^Usage: ' <<<"$(QT_QPA_PLATFORM=none "$binary" --help)" || fail "$program --help does not run from it"
done
# An erased memory: 256 lines of 16 times 255.
for _ in $(seq 256); do printf ' 255%.0s' $(seq 16); printf '\r\n'; done >"$root/erased.chann"
"$root/usr/bin/qv3n-cli" print "$root/erased.chann" -o "$root/erased.pdf" --quiet 2>/dev/null &&
    [ -s "$root/erased.pdf" ] || fail "qv3n-cli print does not run from it"
# Each installed channel set imports and keeps to its own plan.
for set in pmr446 china-public-409 frs gmrs; do
    "$root/usr/bin/qv3n-cli" import "$root/usr/share/qv3n/channel-sets/$set.csv" -o "$root/$set.chann" --quiet &&
        "$root/usr/bin/qv3n-cli" check "$root/$set.chann" --plan "$set" >/dev/null ||
        fail "the channel set $set does not import, or does not keep to its plan"
done

echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends | sed 's/^/  /'
grep -v '/$' <<<"$files" | sed 's|^\.|  |'

# What Debian's and the software centres' own checkers say; any error or warning
# fails, and so does lintian's note of a program built without fortified
# functions or immediate binding.
echo "lintian (with its notes):"
lintian_status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
report=$(grep -v 'running with root privileges' <<<"$report" || true)
sed 's/^/  /' <<<"${report:-nothing to report}"
((lintian_status == 0)) || fail "lintian reports an error or a warning"
! grep -q ' hardening-' <<<"$report" || fail "lintian finds a program built without the hardening flags"
echo "appstreamcli validate:"
metainfo="$root/usr/share/metainfo/invalid.qv3n.qv3n.metainfo.xml"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli finds it invalid: $report"
sed 's/^/  /' <<<"$report"
! grep -qE '^(E|W):' <<<"$report" || fail "appstreamcli reports an error or a warning"
echo "The package is built and checked: $deb"
