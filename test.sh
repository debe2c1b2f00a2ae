#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project with the sanitizers and runs every test, once under each of the locales
# the program meets: Croatian, American English and C.
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
