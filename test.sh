#!/usr/bin/env bash
# Builds the project with the sanitizers and runs every test.
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

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure
