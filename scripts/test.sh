#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the unit and
# crash tests, the same again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and every fuzz target for a while (FUZZ_SEKUNDEN, default 5 each).
# SENVIO_SCHNELL=1 runs only the plain build's tests.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/abhaengigkeiten.sh

jobs=$(nproc)

echo "== Bauen und testen =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ "${SENVIO_SCHNELL:-0}" = "1" ]; then
    exit 0
fi

echo "(bis hier ${SECONDS} s)"
echo "== Mit AddressSanitizer und UndefinedBehaviorSanitizer =="
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DSENVIO_SANITIZE=ON -DSENVIO_BENCH=OFF >/dev/null
cmake --build build-san -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-san --output-on-failure -j"$jobs"

echo "(bis hier ${SECONDS} s)"
echo "== Fuzzing =="
./scripts/fuzz.sh "${FUZZ_SEKUNDEN:-5}"

echo "Alle Tests bestanden (${SECONDS} s)."
