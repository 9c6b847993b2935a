#!/usr/bin/env bash
# Mutation check: applies each small fault listed below to the program's source, one at a
# time, builds the tests of its area, runs them and counts the faults the tests catch.
# A fault is caught when a test fails, crashes or hangs; one that does not build is counted
# apart. The source file is put back after each fault, also on Ctrl+C.
#
#   scripts/mutanten.sh [--bereich BEREICH]... [--liste]
#
# BEREICH is list, view, logos, output, pdf or app (several allowed; default all).
# --liste prints the faults without building, and those whose text is not found once. The build directory is MUTANTEN_BAU
# (default build/), configured as by the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
bau=${MUTANTEN_BAU:-build}

# The tests of each area: test executables, all built and run for a fault of that area.
declare -A TESTS=(
    [list]="list_tests"
    [view]="view_tests zeichnen_tests"
    [logos]="logos_tests"
    [output]="bild_pdf_tests karten_tests"
    [pdf]="pdf_tests"
    [app]="app_tests"
)

# area @@ file @@ text as it stands (exactly once in the file) @@ text of the fault
read -r -d '' MUTANTEN <<'ENDE' || true
list @@ src/list/Zeilenformat.cpp @@     if (n < 10) { @@     if (n <= 10) {
list @@ src/list/Zeilenformat.cpp @@         if (z == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') { @@         if (false) {
list @@ src/list/Zeilenformat.cpp @@         --ende; @@         break;
list @@ src/list/Zeilenformat.cpp @@     for (int j = 1; j <= 4; ++j) { @@     for (int j = 1; j < 4; ++j) {
list @@ src/list/Nummerierung.cpp @@ QString neu = Praefix(i + 1); @@ QString neu = Praefix(i);
list @@ src/list/Umordnung.cpp @@     if (ziel < 0 || ziel >= anzahl) @@     if (ziel < 0 || ziel > anzahl)
list @@ src/list/Bearbeitung.cpp @@     return zaehler >= 1 && zaehler < 4 ? zaehler + 1 : 1; @@     return zaehler >= 1 && zaehler <= 4 ? zaehler + 1 : 1;
list @@ src/list/Bearbeitung.cpp @@     if (platzhalterZaehler == 4) @@     if (platzhalterZaehler == 3)
list @@ src/list/ListenDatei.cpp @@         if (z == u'\r' && i + 1 < n && zeichen(i + 1) == u'\n') { @@         if (false) {
list @@ src/list/ListenDatei.cpp @@     if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) { @@     if (b0 == 0xFF && b1 == 0xFE) {
list @@ src/list/ListenDatei.cpp @@     liste.SetzeUnicode(unicode); @@     (void)unicode;
list @@ src/list/Platzhalterzaehler.cpp @@         if (!logo.vorhanden && logo.platzhalter > 0) @@         if (logo.platzhalter > 0)
view @@ src/view/Eintrag.cpp @@     return 5 * QFontMetrics(schrift).averageCharWidth(); @@     return 4 * QFontMetrics(schrift).averageCharWidth();
view @@ src/view/Eintrag.cpp @@ text, TabAbstand(schrift)).width() + 8; @@ text, TabAbstand(schrift)).width() + 7;
view @@ src/view/Eintrag.cpp @@     if (zaehler < 0 || zaehler > 4) @@     if (zaehler < 0 || zaehler >= 4)
view @@ src/view/Eintrag.cpp @@     const QSize kasten(140, 100); @@     const QSize kasten(140, 101);
view @@ src/view/Eintrag.cpp @@     textfeld.setTop(rechteck.top() + LogoHoehe / 4); @@     textfeld.setTop(rechteck.top() + LogoHoehe / 3);
view @@ src/view/Logobild.cpp @@         return {kasten.width(), int(kasten.width() * r)}; @@         return {kasten.width(), int(kasten.width() * r) + 1};
view @@ src/view/Logobild.cpp @@         const double rund = std::min(kasten.width(), kasten.height()) / 10.0; @@         const double rund = std::min(kasten.width(), kasten.height()) / 8.0;
view @@ src/view/Logobild.cpp @@     return logo.hell ? LegeLogoInKasten(logo, logo.bild.size(), logo.bild.rect()) : logo.bild; @@     return logo.bild;
logos @@ src/logos/LogoDateien.cpp @@             z = QChar(z.unicode() + 32); @@             z = QChar(z.unicode());
logos @@ src/logos/LogoDateien.cpp @@             name.remove(i + 1, 1); @@             name.remove(i, 1);
logos @@ src/logos/Kachelgeometrie.cpp @@ (clientBreite - KachelRand) / (KachelGroesse + 10)); @@ (clientBreite - KachelRand) / (KachelGroesse + 12));
logos @@ src/logos/Kachelgeometrie.cpp @@     return (anzahl / proZeile + 1) * KachelAbstand; @@     return (anzahl / proZeile) * KachelAbstand;
logos @@ src/logos/Logosuche.cpp @@     if (index >= anzahl - 10) @@     if (index > anzahl - 10)
logos @@ src/logos/Logosuche.cpp @@         if (index < 12) @@         if (index < 11)
logos @@ src/logos/Logozuordnung.cpp @@         if (vorschlaege.size() == 3) @@         if (vorschlaege.size() == 4)
logos @@ src/logos/Logozuordnung.cpp @@             if (InSenderLogos(bestand, gleich->datei) && !InSenderLogos(bestand, kandidat.datei)) @@             if (false)
logos @@ src/logos/Logoanhang.cpp @@         if (z.zeile < 0 || z.zeile >= liste.Anzahl()) @@         if (z.zeile < 0)
logos @@ src/logos/Logoanhang.cpp @@ masse.horizontalAdvance(name) + 8 > 280) @@ masse.horizontalAdvance(name) + 8 > 290)
output @@ src/output/Kartenbilder.cpp @@     if (n == 3 * EintraegeJeKarte) @@     if (n == 2 * EintraegeJeKarte)
output @@ src/output/Kartenbilder.cpp @@     return n <= 0 ? 0 : (n + EintraegeJeSeite - 1) / EintraegeJeSeite; @@     return n <= 0 ? 0 : (n + EintraegeJeSeite) / EintraegeJeSeite;
output @@ src/output/Kartenbilder.cpp @@         y += eintrag.height(); @@         y += eintrag.height() + 1;
output @@ src/output/Kartenbilder.cpp @@ constexpr int SchnittY = 638; @@ constexpr int SchnittY = 637;
output @@ src/output/Bildschreiber.cpp @@     if (hoehe > grenze) { @@     if (hoehe > grenze + 1) {
output @@ src/output/Bildschreiber.cpp @@ streifen.width() != z.breite || streifen.height() > z.hoehe - z.geschrieben) { @@ streifen.width() != z.breite) {
output @@ src/output/Druckauftrag.cpp @@         if (i < seiten) { @@         if (i <= seiten) {
output @@ src/output/Druckauftrag.cpp @@             name.toUpper().contains(QStringLiteral("DINA4_"))) { @@             true) {
output @@ src/output/Druckauftrag.cpp @@     pdf.PageHeight = 1122; @@     pdf.PageHeight = 1123;
pdf @@ src/pdf/TmachPDF.cpp @@ std::int64_t(PageHeight) - Y1, " m"); @@ std::int64_t(PageHeight) - Y1 + 1, " m");
pdf @@ src/pdf/TmachPDF.cpp @@     Zeile(m_seiteninhalt, "/F", int(Font.Index) + 1, " ", Font.Size, " Tf"); @@     Zeile(m_seiteninhalt, "/F", int(Font.Index), " ", Font.Size, " Tf");
pdf @@ src/pdf/TmachPDFSchluss.cpp @@     Zeile(m_ausgabe, "0 ", katalog + 1); @@     Zeile(m_ausgabe, "0 ", katalog);
pdf @@ src/pdf/TmachPDFSchluss.cpp @@         HaengeMitNullenAn(m_ausgabe, versatz, 10); @@         HaengeMitNullenAn(m_ausgabe, versatz + 1, 10);
pdf @@ src/pdf/TmachPDFSchluss.cpp @@ gelesen.size() != bild.laenge || Pruefsumme({gelesen}) != bild.pruefsumme) { @@ gelesen.size() != bild.laenge) {
pdf @@ src/pdf/BmpDatei.cpp @@     a.vonUnten = k.hoehe > 0; @@     a.vonUnten = k.hoehe < 0;
pdf @@ src/pdf/BmpDatei.cpp @@     if (k.bits != 24 && k.bits != 32) { @@     if (k.bits != 24 && k.bits != 32 && k.bits != 16) {
pdf @@ src/pdf/BmpDatei.cpp @@     if (a.anfang < k.kopfEnde || ende > dateigroesse) { @@     if (a.anfang < k.kopfEnde) {
pdf @@ src/pdf/BmpDatei.cpp @@         k.kopfEnde += 12; // the three colour masks follow the header @@         k.kopfEnde += 0;
app @@ src/app/MainFormBearbeiten.cpp @@     if (i < 0 || !Dialoge::Bestaetigung(this, LoeschFrage(m_liste.Zeile(i)))) @@     if (i < 0)
app @@ src/app/MainFormBearbeiten.cpp @@ .arg(std::min(doppel->eintrag, doppel->anderer) + 1) @@ .arg(std::min(doppel->eintrag, doppel->anderer))
app @@ src/app/MainFormBearbeiten.cpp @@     Listbox1->WaehleZeile(AuswahlNachLoeschen(i)); @@     Listbox1->WaehleZeile(i);
app @@ src/app/MainForm.cpp @@         leiste->setValue(leiste->value() + 540); @@         leiste->setValue(leiste->value() + 541);
app @@ src/app/MainFormLogos.cpp @@     leiste->setValue(leiste->value() - 136 * rasten); @@     leiste->setValue(leiste->value() - 135 * rasten);
app @@ src/app/NachrichtenFilter.cpp @@     const int taste = rasten > 0 ? Qt::Key_Up : Qt::Key_Down; @@     const int taste = rasten < 0 ? Qt::Key_Up : Qt::Key_Down;
app @@ src/app/MainFormVerlauf.cpp @@     connect(m_verlauf, &QUndoStack::canRedoChanged, Wiederholen1, &QAction::setEnabled); @@     // weggelassen
app @@ src/app/MainFormListen.cpp @@     if (datei.absoluteDir() != QDir(m_ordner.listen) || !datei.fileName() @@     if (!datei.fileName()
ENDE

bereiche=()
nurListe=0
while [ $# -gt 0 ]; do
    case "$1" in
    --bereich) bereiche+=("$2"); shift 2 ;;
    --liste) nurListe=1; shift ;;
    *) echo "Aufruf: $0 [--bereich list|view|logos|output|pdf|app]... [--liste]" >&2; exit 2 ;;
    esac
done

gewaehlt() {
    [ ${#bereiche[@]} -eq 0 ] && return 0
    local b
    for b in "${bereiche[@]}"; do [ "$b" = "$1" ] && return 0; done
    return 1
}

# Replaces the text in the file, which must hold it exactly once; says 0 on success.
ersetze() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
pfad, alt, neu = sys.argv[1:]
text = open(pfad, encoding="utf-8").read()
if text.count(alt) != 1:
    sys.exit(3)
open(pfad, "w", encoding="utf-8").write(text.replace(alt, neu))
PY
}

baue() {
    # shellcheck disable=SC2086
    nice cmake --build "$bau" -j"$(nproc)" --target $1 >"$protokoll" 2>&1
}

teste() {
    local ziel datei
    for ziel in $1; do
        datei=$(find "$bau/tests" -name "$ziel" -type f -perm -u+x | head -n 1)
        if ! timeout 900 /usr/bin/env LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
            "$datei" --gtest_brief=1 >>"$protokoll" 2>&1; then
            return 1
        fi
    done
    return 0
}

if [ $nurListe = 0 ]; then
    [ -f "$bau/CMakeCache.txt" ] || cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
protokoll=$(mktemp)
sicherung=$(mktemp)
offen=""
zuruecklegen() {
    if [ -n "$offen" ]; then
        cp "$sicherung" "$offen"
        offen=""
    fi
}
trap 'zuruecklegen; rm -f "$sicherung" "$protokoll"' EXIT
trap 'exit 130' INT TERM

# The unchanged source must pass first, or no count means anything.
if [ $nurListe = 0 ]; then
    for b in list view logos output pdf app; do
        gewaehlt "$b" || continue
        if ! baue "${TESTS[$b]}" || ! teste "${TESTS[$b]}"; then
            cat "$protokoll" >&2
            echo "Die Tests von $b scheitern schon ohne Fehler." >&2
            exit 1
        fi
    done
fi

declare -A gefangen=() gesamt=()
nummer=0
nichtAnwendbar=0
bautNicht=0
while IFS= read -r zeile; do
    [ -z "$zeile" ] && continue
    nummer=$((nummer + 1))
    bereich=$(awk -F ' @@ ' '{print $1}' <<<"$zeile")
    datei=$(awk -F ' @@ ' '{print $2}' <<<"$zeile")
    alt=$(awk -F ' @@ ' '{print $3}' <<<"$zeile")
    neu=$(awk -F ' @@ ' '{print $4}' <<<"$zeile")
    gewaehlt "$bereich" || continue
    beschreibung=$(printf '%2d %-6s %s: %s -> %s' "$nummer" "$bereich" "$datei" "$(sed 's/^ *//' <<<"$alt")" \
        "$(sed 's/^ *//' <<<"$neu")")
    if [ $nurListe = 1 ]; then
        if [ "$(python3 -c 'import sys; print(open(sys.argv[1], encoding="utf-8").read().count(sys.argv[2]))' \
            "$datei" "$alt")" = 1 ]; then
            echo "$beschreibung"
        else
            echo "NICHT ANWENDBAR  $beschreibung"
            nichtAnwendbar=$((nichtAnwendbar + 1))
        fi
        continue
    fi
    cp "$datei" "$sicherung"
    offen=$datei
    if ! ersetze "$datei" "$alt" "$neu"; then
        zuruecklegen
        echo "NICHT ANWENDBAR  $beschreibung"
        nichtAnwendbar=$((nichtAnwendbar + 1))
        continue
    fi
    gesamt[$bereich]=$((${gesamt[$bereich]:-0} + 1))
    if ! baue "${TESTS[$bereich]}"; then
        ergebnis="BAUT NICHT"
        bautNicht=$((bautNicht + 1))
    elif teste "${TESTS[$bereich]}"; then
        ergebnis="UEBERLEBT"
    else
        ergebnis="GEFANGEN"
        gefangen[$bereich]=$((${gefangen[$bereich]:-0} + 1))
    fi
    zuruecklegen
    printf '%-16s %s\n' "$ergebnis" "$beschreibung"
done <<<"$MUTANTEN"

if [ $nurListe = 1 ]; then
    [ $nichtAnwendbar -eq 0 ]
    exit
fi
# Builds the unchanged source again, so the build directory matches the files.
for b in list view logos output pdf app; do
    gewaehlt "$b" && baue "${TESTS[$b]}" || true
done

summeGefangen=0
summe=0
for b in list view logos output pdf app; do
    [ -n "${gesamt[$b]:-}" ] || continue
    echo "$b: ${gefangen[$b]:-0} von ${gesamt[$b]} gefangen"
    summeGefangen=$((summeGefangen + ${gefangen[$b]:-0}))
    summe=$((summe + ${gesamt[$b]}))
done
echo "Gefangen: $summeGefangen von $summe (baut nicht: $bautNicht, nicht anwendbar: $nichtAnwendbar)"
[ $nichtAnwendbar -eq 0 ]
