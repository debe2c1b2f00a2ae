#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, the Debian packages that building and testing need and that are
# missing, and generates the locales the suite runs under. Works as root and, for another
# user, through sudo. Sourced by run.sh, test.sh and the other scripts.

TARVEL_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
                 qt6-translations-l10n libgtest-dev googletest libbenchmark-dev
                 xvfb xauth fonts-dejavu-core locales
                 librsvg2-bin desktop-file-utils appstream
                 libmspack-dev poppler-utils fp-utils dpkg-dev
                 g++-mingw-w64-x86-64-posix wine wine64 icoutils)

# The locales of the suite besides C.UTF-8, which the C library always has.
TARVEL_LOCALES=(hr_HR.UTF-8 en_US.UTF-8)

# Runs a command as root: directly when we are, else through sudo.
tarvel_as_root() {
    if ((EUID == 0)); then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Za instalaciju su potrebna prava root-a (ili sudo): $*" >&2
        return 1
    fi
}

# Installs the packages named (default: TARVEL_PACKAGES) that are not installed yet.
tarvel_install_missing() {
    local wanted=("$@") missing=() pkg
    ((${#wanted[@]})) || wanted=("${TARVEL_PACKAGES[@]}")
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    if ((${#missing[@]})); then
        echo "Instaliram: ${missing[*]}"
        tarvel_as_root env DEBIAN_FRONTEND=noninteractive apt-get update
        tarvel_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y \
            --no-install-recommends "${missing[@]}" </dev/null
    fi
    tarvel_generate_locales
}

# The name `locale -a` lists for a locale: hr_HR.UTF-8 is listed as hr_HR.utf8.
tarvel_locale_listed() {
    local name=${1%%.*}.utf8
    locale -a 2>/dev/null | grep -qix "$name"
}

# Generates the suite's locales that the system does not have yet.
tarvel_generate_locales() {
    local loc
    command -v localedef >/dev/null || return 0
    for loc in "${TARVEL_LOCALES[@]}"; do
        tarvel_locale_listed "$loc" && continue
        echo "Stvaram lokal $loc"
        tarvel_as_root localedef -i "${loc%%.*}" -c -f UTF-8 -A /usr/share/locale/locale.alias "$loc"
    done
}
