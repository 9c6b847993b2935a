#!/usr/bin/env bash
# Installs what is missing, builds, and starts Senvio on the demo program folder.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/abhaengigkeiten.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

# The demo program folder: drawn logos, a sample list and settings; made once.
if [ ! -e demo ]; then
    build/tools/demo/senvio-demo demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Es gibt hier keine grafische Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)."
    echo "Senvio ist ein Programm mit Fenster. Auf einem Desktop startet es so:"
    echo "    cd demo && ../build/senvio"
    exit 1
fi

cd demo
exec ../build/senvio
