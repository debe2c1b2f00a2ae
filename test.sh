#!/usr/bin/env bash
# Builds the project with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

# shellcheck source=scripts/install-deps.sh
source scripts/install-deps.sh
tarvel_install_missing

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j"$(nproc)"
