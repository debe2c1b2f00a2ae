#!/usr/bin/env bash
# Builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")"

# shellcheck source=scripts/install-deps.sh
source scripts/install-deps.sh
tarvel_install_missing

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

shopt -s nullglob
scenarios=(tests/scenarios/*.scn)
if ((${#scenarios[@]} > 0)); then
    build/bin/tarvel-scenario "${scenarios[@]}"
fi
echo "Prozor programa još ne postoji; zasad se samo ponavljaju scenariji."
