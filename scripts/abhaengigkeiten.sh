#!/usr/bin/env bash
# Installs the Debian packages Senvio needs to build, run and test, if any are missing.
# Idempotent: prints nothing and touches nothing when everything is already there.
set -euo pipefail

PAKETE=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-translations-l10n zlib1g-dev libdeflate-dev libpng-dev libjpeg62-turbo-dev libpixman-1-dev
    libxcb1-dev libxcb-ewmh-dev libcups2-dev libsqlite3-dev libarchive-dev
    fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libgmock-dev
    xvfb xdotool qpdf poppler-utils python3-img2pdf
    clang-14 libfuzzer-14-dev libclang-rt-14-dev
    locales
    librsvg2-bin desktop-file-utils appstream dpkg-dev file groff-base
)

fehlend=()
for p in "${PAKETE[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        fehlend+=("$p")
    fi
done

if ((${#fehlend[@]} > 0)); then
    echo "Installiere fehlende Pakete: ${fehlend[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi

# The tests also run under a German locale (decimal comma); make sure it exists.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi
