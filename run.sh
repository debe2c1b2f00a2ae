#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program alone (no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")"

# shellcheck source=scripts/install-deps.sh
source scripts/install-deps.sh
tarvel_install_missing

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)" --target tarvel

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Nema zaslona: pokrenite program u grafičkom okruženju ili pod Xvfb-om, npr." \
         "'Xvfb :99 & DISPLAY=:99 build/bin/tarvel'." >&2
    exit 1
fi
exec build/bin/tarvel "$@"
