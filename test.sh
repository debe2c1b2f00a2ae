#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project with the sanitizers and runs every test, once under each of the locales
# the program meets: Croatian, American English and C. Then the core and its unit tests are
# cross-compiled for Windows and run under wine.
set -euo pipefail
cd "$(dirname "$0")"

# shellcheck source=scripts/install-deps.sh
source scripts/install-deps.sh
tarvel_install_missing

for loc in "${TARVEL_LOCALES[@]}" C.UTF-8; do
    if ! tarvel_locale_listed "$loc"; then
        echo "Lokal $loc nije dostupan: testovi se ne mogu pokrenuti pod njim." >&2
        exit 1
    fi
done

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_SANITIZE=ON
cmake --build build-test -j"$(nproc)"

for loc in hr_HR.UTF-8 en_US.UTF-8 C.UTF-8; do
    echo "== Testovi pod lokalom $loc"
    LANG=$loc LC_ALL=$loc LANGUAGE='' QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-test --output-on-failure -j"$(nproc)"
done

# Windows: the core and its unit tests, cross-compiled with MinGW-w64 (linked statically) and run
# under wine, headless, in a wine prefix of the build tree, with Croatian regional settings
# (the code pages 1250 and 852, as on a Croatian Windows).
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DTARVEL_CORE_ONLY=ON -DTARVEL_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_C_FLAGS=-O1 "${launcher[@]}"
cmake --build build-windows -j2
export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree=;mshtml='
echo "== Testovi za Windows (wine) pod lokalom hr_HR.UTF-8"
env -u DISPLAY -u WAYLAND_DISPLAY LANG=hr_HR.UTF-8 LC_ALL=hr_HR.UTF-8 LANGUAGE='' \
    ctest --test-dir build-windows --output-on-failure -j2
wineserver -w
