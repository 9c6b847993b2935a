#!/usr/bin/env bash
# Fails when one of the given programs loads Qt Widgets: the headless core (list,
# platform, import, output, the readers that the fuzz targets feed) must link without it.
set -euo pipefail
fehler=0
for programm in "$@"; do
    bibliotheken=$(ldd "$programm")
    if grep -q 'libQt6Widgets' <<<"$bibliotheken"; then
        echo "$programm lädt libQt6Widgets" >&2
        fehler=1
    fi
done
exit "$fehler"
