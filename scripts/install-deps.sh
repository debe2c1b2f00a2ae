#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building and testing need and that are
# missing. Sourced by run.sh and test.sh.

TARVEL_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev googletest
                 libbenchmark-dev xvfb xauth fonts-dejavu-core)

tarvel_install_missing() {
    local missing=() pkg
    for pkg in "${TARVEL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    if ((${#missing[@]} == 0)); then return 0; fi
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "Instaliram: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}
