# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: the repository root and the Debian packages they need.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# What building and testing needs on a fresh Debian 12 machine; the last three
# check the desktop entry, the AppStream metadata and the Debian package.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libgl-dev libgtest-dev libbenchmark-dev
                libmpfr-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev qt6-translations-l10n
                fonts-liberation fonts-noto-cjk desktop-file-utils appstream lintian librsvg2-bin
                poppler-utils)

# Installs those of the given Debian packages that are missing, as root or
# through sudo. apt-get update runs once, and only when something is missing.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These Debian packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build DIR BUILD_TYPE [cmake options...] -- [targets...]
configure_and_build() {
    local dir=$1 type=$2
    shift 2
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    targets=("$@")
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${options[@]}" >/dev/null
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$dir" --target "${targets[@]}"
    else
        cmake --build "$dir"
    fi
}

# The locales the tests switch to, to show that what the program writes does
# not depend on the locale: those of the program's languages
# (translations/languages.txt) that the C library must generate.
mapfile -t TEST_LOCALES < <(awk '!/^#/ && NF && $2 != "C.UTF-8" { print $2 }' "$ROOT/translations/languages.txt")

# Generates those of TEST_LOCALES that the C library does not have yet, with
# Debian's locales package (installed when missing): each is enabled in
# /etc/locale.gen, so that a later locale-gen keeps it, and locale-gen
# --keep-existing builds only what is missing.
ensure_locales() {
    local missing=() l
    for l in "${TEST_LOCALES[@]}"; do
        # locale -a spells de_DE.UTF-8 as de_DE.utf8.
        locale -a 2>/dev/null | grep -qixF "${l%%.*}.utf8" || missing+=("$l")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    ensure_packages locales
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Generating locales: ${missing[*]}"
    for l in "${missing[@]}"; do
        if grep -qE "^[#[:space:]]*${l//./\\.}[[:space:]]+UTF-8" /etc/locale.gen; then
            "${sudo[@]}" sed -i -E "s/^[#[:space:]]*(${l//./\\.}[[:space:]]+UTF-8)/\\1/" /etc/locale.gen
        else
            echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo[@]}" locale-gen --keep-existing >/dev/null
}
