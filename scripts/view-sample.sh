#!/usr/bin/env bash
# Installs what is missing, builds, and opens the viewer on the sample.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brindle
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset); run this from a desktop session." >&2
    exit 1
fi
exec build/app/qt/brindle samples/sample.xom
