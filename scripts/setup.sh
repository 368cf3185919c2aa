#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need (only those that
# are missing), then configures a build folder; building is left to the caller.
#
#   scripts/setup.sh [BUILD_DIR [CMAKE_OPTION...]]     BUILD_DIR defaults to build
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ clang libclang-rt-dev
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-svg-dev libqt6svg6 qt6-qpa-plugins libyaml-cpp-dev
    fonts-noto-cjk xvfb xauth
    dbus at-spi2-core python3-pyatspi
    poppler-utils dpkg-dev file help2man bash-completion
)
# A caller that needs more names it here (scripts/package.sh: its checkers).
read -ra extra <<<"${QV3N_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build_dir=${1:-build}
(($#)) && shift
# ccache makes a rebuild quick when it is installed; nothing depends on it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
