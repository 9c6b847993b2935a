#!/usr/bin/env bash
# paket_pruefung.sh BAUORDNER VERSION: makes the Debian package with CPack into a
# temporary folder and checks it as a user's system would see it: every file in its
# place, dependencies from the binaries, a valid desktop entry, AppStream metadata
# and man pages; unpacked into a temporary root, its senvio-druck prints the demo list.
set -euo pipefail

bau="$1"
version="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fehler=0
schlecht() {
    echo "FEHLER: $*"
    fehler=1
}

if ! cpack --config "$bau/CPackConfig.cmake" -B "$tmp/aus" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FEHLER: cpack ist gescheitert"
    exit 1
fi
deb="$tmp/aus/senvio_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$tmp/aus"; echo "FEHLER: $deb fehlt"; exit 1; }

# Every file in its place, nothing outside /usr.
dpkg-deb --fsys-tarfile "$deb" | tar -t >"$tmp/inhalt"
for datei in usr/bin/senvio usr/bin/senvio-druck usr/bin/senvio-import usr/bin/pdf-bilder \
    usr/share/senvio/Senvio-Hilfe.pdf usr/share/senvio/demo/senvio.ini \
    "usr/share/senvio/demo/Senvio-Listen/Meine Astra Liste.lis" \
    usr/share/applications/de.senvio.Senvio.desktop usr/share/metainfo/de.senvio.Senvio.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/de.senvio.Senvio.png usr/share/icons/hicolor/128x128/apps/de.senvio.Senvio.png \
    usr/share/icons/hicolor/256x256/apps/de.senvio.Senvio.png usr/share/icons/hicolor/scalable/apps/de.senvio.Senvio.svg \
    usr/share/man/man1/senvio.1.gz usr/share/man/man1/senvio-druck.1.gz \
    usr/share/man/man1/senvio-import.1.gz usr/share/man/man1/pdf-bilder.1.gz usr/share/doc/senvio/copyright; do
    grep -qxF "./$datei" "$tmp/inhalt" || schlecht "$datei fehlt im Paket"
done
if grep -v -e '^\./$' -e '^\./usr/' "$tmp/inhalt"; then schlecht "Dateien außerhalb von /usr"; fi

# Dependencies read from the binaries, plus the named ones.
abhaengig="$(dpkg-deb -f "$deb" Depends)"
for paket in libqt6widgets6 libpng16-16 libjpeg62-turbo libpixman-1-0 libxcb1 qt6-qpa-plugins fonts-dejavu-extra; do
    grep -q "\b$paket\b" <<<"$abhaengig" || schlecht "Depends ohne $paket: $abhaengig"
done

wurzel="$tmp/wurzel"
dpkg -x "$deb" "$wurzel"
if desktop-file-validate "$wurzel/usr/share/applications/de.senvio.Senvio.desktop" | grep -E 'error|warning'; then
    schlecht "desktop-file-validate"
fi
grep -qx 'Exec=senvio --benutzerordner' "$wurzel/usr/share/applications/de.senvio.Senvio.desktop" ||
    schlecht "Exec ohne --benutzerordner"
appstreamcli validate --no-net "$wurzel/usr/share/metainfo/de.senvio.Senvio.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    { cat "$tmp/as.log"; schlecht "appstreamcli validate"; }
for seite in "$wurzel"/usr/share/man/man1/*.1.gz; do
    warnungen="$(zcat "$seite" | groff -k -man -Tutf8 -ww -z 2>&1)"
    [ -z "$warnungen" ] || schlecht "$(basename "$seite"): $warnungen"
done
for groesse in 48 128 256; do
    file "$wurzel/usr/share/icons/hicolor/${groesse}x$groesse/apps/de.senvio.Senvio.png" |
        grep -q "PNG image data, $groesse x $groesse, 8-bit/color RGBA" || schlecht "Symbol mit $groesse Pixeln"
done

# The installed programs run from the unpacked root and print the demo list.
export QT_QPA_PLATFORM=offscreen
"$wurzel/usr/bin/senvio" --help | grep -q -- '--benutzerordner' || schlecht "senvio --help"
# Started as the menu starts it, in an empty home folder: ~/Senvio is made, with the
# help document found beside the installed program.
mkdir "$tmp/heim"
HOME="$tmp/heim" "$wurzel/usr/bin/senvio" --benutzerordner >"$tmp/senvio.log" 2>&1 &
pid=$!
for _ in $(seq 300); do
    [ -e "$tmp/heim/Senvio/Senvio-Hilfe.pdf" ] && break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
cmp -s "$tmp/heim/Senvio/Senvio-Hilfe.pdf" "$wurzel/usr/share/senvio/Senvio-Hilfe.pdf" ||
    { cat "$tmp/senvio.log"; schlecht "senvio --benutzerordner legte ~/Senvio nicht mit der Hilfe an"; }
[ -d "$tmp/heim/Senvio/Senvio-Listen" ] || schlecht "~/Senvio/Senvio-Listen fehlt"

cp -r "$wurzel/usr/share/senvio/demo" "$tmp/demo"
ausgabe="$(cd "$tmp" && "$wurzel/usr/bin/senvio-druck" --programmordner demo "Meine Astra Liste" 2>"$tmp/druck.log")" ||
    { cat "$tmp/druck.log"; schlecht "senvio-druck"; }
pdf="$tmp/demo/Senvio-Listen/Meine Astra Liste.pdf"
[ "$ausgabe" = "$pdf" ] || schlecht "senvio-druck gab \"$ausgabe\" aus, erwartet \"$pdf\""
qpdf --check "$pdf" >/dev/null || schlecht "qpdf --check $pdf"
pdfinfo "$pdf" | grep -qE '^Pages: +1$' || schlecht "die Demoliste passt nicht auf eine Seite"

[ "$fehler" = 0 ] && echo "Paket $(basename "$deb") geprüft: $(wc -l <"$tmp/inhalt") Einträge"
exit "$fehler"
