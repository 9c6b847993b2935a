#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for N seconds
# (first argument, default 15). Seeds are written here, the growing corpus, crash
# files and logs stay in build-fuzz/, outside git. Exits non-zero when a target fails.
set -euo pipefail

sekunden="${1:-15}"
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bau="$wurzel/build-fuzz"
ziele=(fuzz_listendatei fuzz_einstellungen fuzz_sendernamen fuzz_bmp fuzz_png fuzz_wiedergabeliste fuzz_kanaldatei
    fuzz_referenzliste fuzz_bouquets fuzz_samsung fuzz_lg fuzz_philips fuzz_sony fuzz_hisense fuzz_panasonic
    fuzz_grundig fuzz_toshiba fuzz_tcl fuzz_sharp fuzz_empfangsantwort)

CC=clang-14 CXX=clang++-14 cmake -S "$wurzel" -B "$bau" -DSENVIO_FUZZ=ON -DSENVIO_TESTS=OFF -DSENVIO_BENCH=OFF >/dev/null
cmake --build "$bau" -j2 --target "${ziele[@]}"
# The fuzz targets feed the headless core: none of them may load Qt Widgets.
"$wurzel/tests/ohne_widgets.sh" "${ziele[@]/#/$bau/fuzz/}"

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

# Station name files with each byte-order mark, in UTF-8 without one, and in Windows-1252.
seeds_sendernamen() {
    local k="$1"
    { printf '\xff\xfe'; printf 'Das Erste\r\nПервый канал\r\n' | utf16 UTF-16LE; } >"$k/utf16le.txt"
    { printf '\xfe\xff'; printf 'ZDF\n3sat' | utf16 UTF-16BE; printf '\x04'; } >"$k/utf16be.txt"
    printf '\xef\xbb\xbfORF \xc3\x961\r\n' >"$k/utf8bom.txt"
    printf 'S\xfcdwest\rArte\tHD\n\n\x80' >"$k/cp1252.txt"
    printf 'ZDF\vHD\r\nArte\xe2\x80\xa8 HD \r\n' >"$k/trenner.txt"
    printf 'Das Erste\r\nRTL \xc4\x80\r\n' | utf16 UTF-16LE >"$k/utf16le-ohne-bom.txt"
    printf 'ZDF\nПервый\n' | utf16 UTF-16BE >"$k/utf16be-ohne-bom.txt"
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

# Small PNG files of several colour types, bit depths and chunks, one interlaced.
seeds_png() {
    python3 - "$1" <<'PY'
import struct, sys, zlib

def chunk(typ, daten):
    return struct.pack(">I", len(daten)) + typ + daten + struct.pack(">I", zlib.crc32(typ + daten))

def png(name, breite, hoehe, tiefe, farbtyp, roh, zusatz=b"", interlace=0):
    kopf = struct.pack(">IIBBBBB", breite, hoehe, tiefe, farbtyp, 0, 0, interlace)
    daten = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", kopf) + zusatz
    daten += chunk(b"IDAT", zlib.compress(roh)) + chunk(b"IEND", b"")
    open(sys.argv[1] + "/" + name, "wb").write(daten)

def zeilen(liste):
    return b"".join(b"\x00" + z for z in liste)

# Adam7: each pass takes every dx-th pixel from x0 of every dy-th row from y0.
def adam7(pixel, breite, hoehe):
    roh = b""
    for x0, y0, dx, dy in [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]:
        for y in range(y0, hoehe, dy):
            z = b"".join(pixel[y][x] for x in range(x0, breite, dx))
            if z:
                roh += b"\x00" + z
    return roh

png("rgb.png", 3, 2, 8, 2, zeilen([bytes([255, 0, 0, 0, 255, 0, 0, 0, 255]), bytes(range(9))]))
png("rgba-text.png", 2, 1, 8, 6, zeilen([bytes([255, 0, 0, 128, 9, 9, 9, 0])]),
    chunk(b"tEXt", b"Titel\x00Kanal Eins") + chunk(b"gAMA", struct.pack(">I", 45455)))
png("palette-trns.png", 5, 2, 2, 3, zeilen([b"\xe4\xc0", b"\x1b\x00"]),
    chunk(b"PLTE", bytes([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255])) + chunk(b"tRNS", bytes([0, 128])))
png("grau-alpha-16.png", 2, 2, 16, 4, zeilen([bytes([0x12, 0xF0, 0xFF, 0xFF, 0, 0, 0x80, 0])] * 2))
png("grau-1bit-trns.png", 10, 1, 1, 0, zeilen([b"\xac\x80"]), chunk(b"tRNS", struct.pack(">H", 1)))
pixel = [[bytes([20 * x, 20 * y, 10 * (x + y), 40 * x]) for x in range(5)] for y in range(5)]
png("rgba-adam7.png", 5, 5, 8, 6, adam7(pixel, 5, 5), interlace=1)
PY
}

# A bouquet set: a byte for TV, radio or both, then bouquets.tv, bouquets.radio,
# userbouquet.a.tv, userbouquet.b.radio, alternatives.x.tv, lamedb, lamedb5, each
# ended by byte FF.
seeds_bouquets() {
    local k="$1" v='#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET'
    {
        printf '\x02%s "userbouquet.a.tv" ORDER BY bouquet\r\n\xff' "$v"
        printf '%s "userbouquet.b.radio" ORDER BY bouquet\n\xff' "$v"
        printf '#NAME Favoriten\r\n#SERVICE 1:64:0:0:0:0:0:0:0:0::Nachrichten\r\n'
        printf '#SERVICE 1:0:19:2B66:3F3:1:C00000:0:0:0:\r\n#DESCRIPTION Kanal Eins\xe2\x80\xa2Gruppe\r\n'
        printf '#SERVICE: 1:0:1:A:B:1:C00000:0:0:0:\r\n#SERVICE 1:832:D:0:0:0:0:0:0:0:\r\n'
        printf '#SERVICE 1:134:1:0:0:0:0:0:0:0:FROM BOUQUET "alternatives.x.tv" ORDER BY bouquet\r\n'
        printf '#SERVICE 4097:0:1:0:0:0:0:0:0:0:http%%3a//x:Welle%%3a 1%%zz\r\n\xff'
        printf '#NAME Radio\n#SERVICE 1:0:2:C:D:2:C00000:0:0:0:\n\xff#NAME Kanal \xc2\x86Drei\xc2\x87\n\xff'
        printf 'eDVB services /4/\ntransponders\nend\nservices\n000a:00c00000:000b:0001:1:0\nKanal Zwei\np:Sender\nend\n\xff'
    } >"$k/lamedb.bin"
    {
        printf '\x00%s "userbouquet.a.tv" ORDER BY bouquet\n%s "bouquets.tv" ORDER BY bouquet\n\xff\xff' "$v" "$v"
        printf '#NAME A\n#SERVICE 1:0:1:C:D:2:C00000:0:0:0:\n%s "userbouquet.a.tv" ORDER BY bouquet\n\xff\xff\xff\xff' "$v"
        printf 'eDVB services /5/\ns:000c:00c00000:000d:0002:2:0:0,"Welle \x22Nord\x22",p:Sender\n'
    } >"$k/lamedb5.bin"
}

# Playlists: one with header, attributes and groups in UTF-8 with BOM and CR LF, a cable
# router's plain file in Windows-1252.
seeds_wiedergabeliste() {
    local k="$1"
    printf '\xef\xbb\xbf#EXTM3U\r\n#EXTINF:-1 tvg-id="eins.de" tvg-chno="1" tvg-logo=http://l/1.png group-title="Musik;Regional",Welle 90,3 "Nord"\r\n#EXTVLCOPT:x=y\r\nhttp://s/1\r\n#EXTINF:-1 tvg-name="Zwei" radio="true" group-title="Musik",\r\n#EXTGRP:Andere\r\nhttp://s/2\r\n#EXTINF:0,Ohne Adresse\r\n' >"$k/gruppen.m3u"
    printf '#EXTINF:0,Welle K\xf6ln\nrtsp://192.168.178.1/?sat=1\n#EXTINF:0,Klassik\x00Radio\nrtsp://2\n' >"$k/router.m3u"
}
seeds_kanaldatei() {
    local k="$1"
    printf 'Vorab;Privat:12188:h:S19.2E:27500:0:0:0:0:17:1:1:0\n:@201 \xc3\x96\x66\x66\x65ntlich\nNDR 90,3,;ARD:12109:H:S19.2E:27500:0:2401:0:0:28411:1:1101:0\nDas Erste HD,ERSTE;ARD:11494:HC23M5O35P0S1:S19.2E:22000:5101=27:5102=deu@3:5104:0:10301:1:1019:0\r\n' >"$k/channels.conf"
    printf ':Musik\nWelle|Nord:12109:H:S19.2E:27500:1:2402:0:0:28412:1:1101:0\n\xc2\x86\x42ild\xc2\x87+Ton,BT;X:11000:H:S19.2E:27500:5101+5102=2:0:0:0:5:1:1:0\nKurz:1\n' >"$k/gruppen.conf"
}
seeds_referenzliste() {
    local k="$1"
    printf '\xef\xbb\xbfNr;Name;Kennung\r\n3;Welle;Nord;1-1101-28412\r\n1;Das Erste HD;1-1019-10301\r\n2;Zwei;\r\n' >"$k/sender.txt"
    printf '2;Arte\n1;S\xfc\x64west\n0;Null\n' >"$k/liste.chl"
}

# TV sets' exports: the real ones the tests read, an LG list cut to its first channels, and
# a TCL tar made here (there is no real one at hand).
fernseher="$wurzel/tests/import/fernseher"
seeds_samsung() { cp "$fernseher/samsung/"*.zip "$1/"; }
seeds_toshiba() { cp "$fernseher/toshiba/"*.zip "$1/"; }
seeds_hisense() { cp "$fernseher/hisense/channel.db" "$1/"; }
seeds_panasonic() { cp "$fernseher/panasonic/svl-cable.db" "$1/"; }
seeds_grundig() { cp "$fernseher/grundig/dvbc_config.xml" "$1/"; }
seeds_sony() { cp "$fernseher/sony/android_sdb-cable.xml" "$1/"; }
seeds_sharp() { cp "$fernseher/sharp/DVBS_Program5.csv" "$1/"; }
# The first byte picks the file of the folder (fuzz_philips.cpp): 1 = channellib/DVBC.xml, 2 = DVBT.xml, 5 = Favorite.xml.
seeds_philips() {
    local k="$1" liste="$fernseher/philips/ChannelMap_100/ChannelList"
    { printf '\x02'; cat "$liste/channellib/DVBT.xml"; } >"$k/dvbt.bin"
    { printf '\x05'; head -c 4000 "$liste/Favorite.xml"; } >"$k/favoriten.bin"
}
seeds_lg() {
    python3 - "$fernseher/lg/GlobalClone00002.TLL" "$1/kurz.tll" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
# Keep the first 12 items of every list.
def kuerzen(m):
    items = re.findall(r"<ITEM>.*?</ITEM>", m.group(2), re.S)
    return m.group(1) + "".join(items[:12]) + m.group(3)
text = re.sub(r"(<(?:ATV|DTV)>)(.*?)(</(?:ATV|DTV)>)", kuerzen, text, flags=re.S)
open(sys.argv[2], "w", encoding="utf-8").write(text)
PY
}
seeds_tcl() {
    python3 - "$1" <<'PY'
import io, sqlite3, sys, tarfile, tempfile, os
pfad = os.path.join(tempfile.mkdtemp(), "DtvData.db")
db = sqlite3.connect(pfad)
db.executescript('''
CREATE TABLE ProgramInfoTbl(u32Index INTEGER, ProgNum INTEGER, ServiceName TEXT, ShortServiceName TEXT,
    ServiceID INTEGER, EditFlag INTEGER, u16MuxTblID INTEGER, u8DtvRoute INTEGER);
CREATE TABLE AtrributeTbl(u32Index INTEGER, RealServiceType INTEGER, IsDelete INTEGER, IsSkipped INTEGER,
    IsFavor INTEGER, VisibleFlag INTEGER);
CREATE TABLE MuxInfoTbl(u16MuxTblID INTEGER, OriginalNetworkId INTEGER, TransportStreamId INTEGER, Freq INTEGER);
CREATE TABLE CurCIOPSerType(u8DtvRoute INTEGER, RouteName TEXT);
INSERT INTO CurCIOPSerType VALUES (1, 'dvbc');
INSERT INTO MuxInfoTbl VALUES (1, 1, 1051, 330000);
INSERT INTO ProgramInfoTbl VALUES (1, 1, 'Das Erste HD  ', '', 10301, 0, 1, 1), (2, 2, 'ZDF HD', '', 11110, 0, 1, 1),
    (3, 3, 'Bayern 1', '', 28400, 16, 1, 1);
INSERT INTO AtrributeTbl VALUES (1, 25, 0, 0, 0, 1), (2, 25, 0, 0, 0, 1), (3, 2, 1, 0, 0, 1);
''')
db.commit(); db.close()
with tarfile.open(os.path.join(sys.argv[1], "tcl.tar"), "w", format=tarfile.USTAR_FORMAT) as tar:
    tar.add(pfad, arcname="database/userdata/DtvData.db")
PY
}

# The first byte picks the answer (fuzz_empfangsantwort.cpp): 0 Enigma2 bouquets, 1 its services, 2 tvheadend's grid.
seeds_empfangsantwort() {
    local k="$1"
    printf '\x00{"bouquets": [["1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \\"userbouquet.favourites.tv\\" ORDER BY bouquet", "Favoriten (TV)"], ["x", 1]]}' >"$k/bouquets.json"
    printf '\x01{"services": [{"servicereference": "1:0:19:283D:3FB:1:C00000:0:0:0:", "servicename": "Das Erste HD", "pos": 1}, {"servicereference": "1:832:D:0:0:0:0:0:0:0:", "servicename": ""}, {"servicereference": "1:64:0:0:0:0:0:0:0:0::Regional", "servicename": "Regional\\n\\u0086S\\u00fcd\\u0087"}]}' >"$k/dienste.json"
    printf '\x02{"entries": [{"uuid": "a1", "name": "ZDF HD", "number": 2, "icon_public_url": "imagecache/7"}, {"uuid": "b2", "name": "Das Erste HD", "number": 1e9, "enabled": false}, {"name": 5}], "total": 3}' >"$k/kanaele.json"
}

# Runs one target; what it prints goes to build-fuzz/logs/<target>.ausgabe.
fuzze() {
    local ziel="$1" korpus="$bau/korpus/$1" artefakte="$bau/artefakte/$1" log="$bau/logs/$1.log"
    mkdir -p "$korpus" "$artefakte"
    "seeds_${ziel#fuzz_}" "$korpus"
    echo "== $ziel: $sekunden s"
    if UBSAN_OPTIONS=print_stacktrace=1 "$bau/fuzz/$ziel" -max_total_time="$sekunden" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artefakte/" "$korpus" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
    else
        tail -n 60 "$log"
        echo "!! $ziel ist gescheitert; Fund in $artefakte/, Protokoll in $log"
        return 1
    fi
}

# Two targets at a time, one for each core; their reports follow in the list's order.
fehler=0
mkdir -p "$bau/logs"
for ((i = 0; i < ${#ziele[@]}; i += 2)); do
    paar=("${ziele[@]:i:2}") prozesse=()
    for ziel in "${paar[@]}"; do
        fuzze "$ziel" >"$bau/logs/$ziel.ausgabe" 2>&1 &
        prozesse+=($!)
    done
    for prozess in "${prozesse[@]}"; do
        wait "$prozess" || fehler=1
    done
    for ziel in "${paar[@]}"; do
        cat "$bau/logs/$ziel.ausgabe"
    done
done
exit "$fehler"
