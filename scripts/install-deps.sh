#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build nuboChord 2 (and, with --tests, to test it).
set -euo pipefail

want_tests=0
[ "${1:-}" = "--tests" ] && want_tests=1

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    build-essential cmake ninja-build ccache pkg-config
    juce-modules-source
    fonts-dejavu-core
)

if [ "$want_tests" -eq 1 ]; then
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev clang-format
        liblilv-dev lilv-utils lv2-dev
        xvfb xauth
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq "${missing[@]}"
fi
