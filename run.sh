#!/usr/bin/env bash
# Builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev googletest
          libbenchmark-dev xvfb xauth)

install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    if ((${#missing[@]} == 0)); then return 0; fi
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

install_missing "${PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

shopt -s nullglob
scenarios=(tests/scenarios/*.scn)
if ((${#scenarios[@]} > 0)); then
    build/bin/tarvel-scenario "${scenarios[@]}"
fi
echo "Prozor programa još ne postoji; zasad se samo ponavljaju scenariji."
