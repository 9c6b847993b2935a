#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for N seconds
# (first argument, default 30). Seeds are written here, the growing corpus, crash
# files and logs stay in build-fuzz/, outside git. Exits non-zero when a target fails.
set -euo pipefail

sekunden="${1:-30}"
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bau="$wurzel/build-fuzz"
ziele=(fuzz_listendatei fuzz_einstellungen fuzz_bmp)

CC=clang-14 CXX=clang++-14 cmake -S "$wurzel" -B "$bau" -DSENVIO_FUZZ=ON -DSENVIO_TESTS=OFF >/dev/null
cmake --build "$bau" -j2 --target "${ziele[@]}"

# A few small hand-made seeds per target; libFuzzer adds what it finds beside them.
utf16() { iconv -f UTF-8 -t "$1"; }
seeds_listendatei() {
    local k="$1"
    { printf '\xff\xfe'; printf '    1   = Das Erste #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\ard.png\r\n    2   = Первый канал #png#Ohne Logo1.png\r\n' | utf16 UTF-16LE; } >"$k/utf16le.lis"
    { printf '\xfe\xff'; printf '    1   = ZDF #png#zdf.png\r\n    2   = ΕΡΤ\r\n\r\n' | utf16 UTF-16BE; } >"$k/utf16be.lis"
    printf '    1   = ZDF #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\zdf.png\r\n    2   = S\xfcdwest \x80 \x81\x8d\r\n    3   = Arte\r\n' >"$k/cp1252.lis"
    printf 'eins\ndrei\rvier\v\ff\xfc\xfenf\r\n\r\nsechs\x00danach' >"$k/zeilenenden.lis"
}
# Byte 0 picks section and key, byte 1 is the value's length, then the value, then the file.
seeds_einstellungen() {
    local k="$1"
    printf '\x00\x0aNeue Liste; Senvio\r\n[Einstellungen]\r\nListe=Meine Liste\r\nSchrift = DejaVu Sans\r\n\r\n; Drucker\r\n[Drucker]\r\nBreite="  105 "\r\n' >"$k/crlf.ini"
    printf '\x06\x06Gr\xc3\xb6\xc3\x9f\xef\xbb\xbf[gr\xc3\xb6\xc3\x9fe]\nbreite=1\n[Drucker]\n  schrift  =  \x27Arial\x27\n[Letzte Liste]\n\xdcber uns=S\xfcd' >"$k/lf-utf8.ini"
    printf '\x0f\x02  [Letzte Liste\r\n\xdcber uns\r\n=x\r\n[Einstellungen]\r' >"$k/kaputt.ini"
}

# BMP files: 24 bit bottom-up with row padding, 32 bit top-down, 32 bit with colour
# masks, the old 12-byte header.
seeds_bmp() {
    local k="$1"
    nullen() { head -c "$1" /dev/zero; }
    printf 'BM\x4e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x03\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x18\0\0\0' >"$k/24bit.bmp"
    nullen 16 >>"$k/24bit.bmp"
    printf '\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\0\0\0\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\0\0\0' >>"$k/24bit.bmp"
    printf 'BM\x3e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\xff\xff\xff\xff\x01\0\x20\0\0\0\0\0\0\0\0\0' >"$k/32bit.bmp"
    nullen 16 >>"$k/32bit.bmp"
    printf '\x01\x02\x03\x04\x05\x06\x07\x08' >>"$k/32bit.bmp"
    printf 'BM\x4a\0\0\0\0\0\0\0\x42\0\0\0\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x20\0\x03\0\0\0\0\0\0\0' >"$k/masken.bmp"
    nullen 16 >>"$k/masken.bmp"
    printf '\0\0\xff\0\0\xff\0\0\xff\0\0\0\x01\x02\x03\x04\x05\x06\x07\x08' >>"$k/masken.bmp"
    printf 'BM\x22\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\x02\0\x01\0\x01\0\x18\0\x01\x02\x03\x04\x05\x06\0\0' >"$k/os2.bmp"
}

fehler=0
for ziel in "${ziele[@]}"; do
    korpus="$bau/korpus/$ziel"
    artefakte="$bau/artefakte/$ziel"
    log="$bau/logs/$ziel.log"
    mkdir -p "$korpus" "$artefakte" "$(dirname "$log")"
    "seeds_${ziel#fuzz_}" "$korpus"
    echo "== $ziel: $sekunden s"
    if UBSAN_OPTIONS=print_stacktrace=1 "$bau/fuzz/$ziel" -max_total_time="$sekunden" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artefakte/" "$korpus" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
    else
        fehler=1
        tail -n 60 "$log"
        echo "!! $ziel ist gescheitert; Fund in $artefakte/, Protokoll in $log"
    fi
done
exit "$fehler"
