#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png: the main window of a release build, under the Croatian locale, on a
# virtual X display (Xvfb), as a user sees it. Usage: scripts/screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=scripts/install-deps.sh
source scripts/install-deps.sh
tarvel_install_missing
tarvel_install_missing imagemagick xdotool

output=${1:-docs/screenshot.png}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tarvel >/dev/null

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
cleanup() {
    [[ -n "${program:-}" ]] && kill "$program" 2>/dev/null || true
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

# A user of its own: settings and files of the picture do not touch the real ones.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" HOME="$work" \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work" \
    LANG=hr_HR.UTF-8 LC_ALL=hr_HR.UTF-8 build/bin/tarvel >"$work/tarvel.log" 2>&1 &
program=$!

window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --class Tarvel | head -n1)
sleep 1 # the first paint
mkdir -p "$(dirname "$output")"
DISPLAY=$display import -window "$window" "$output"
echo "Snimka: $output"
