#!/usr/bin/env bash
# Mutation check: applies each small fault listed below to the program's source, one at a
# time, builds the tests of its area, runs them and counts the faults the tests catch.
# A fault is caught when a test fails, crashes or hangs; one that does not build is counted
# apart. The source file is put back after each fault, also on Ctrl+C.
#
#   scripts/mutanten.sh [--bereich BEREICH]... [--liste]
#
# BEREICH is list, view, logos, output, pdf, app, import, nebenlauf, dokument, ablauf (the import, logo and
# print flows the window and the tools share) or zwischenspeicher (several allowed; default all).
# --liste prints the faults without building, and those whose text is not found once. Beside a
# caught fault stand the test cases that failed, or that a test hung or crashed. The build
# directory is MUTANTEN_BAU (default build/), configured as by the test command.
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
    [dokument]="dokument_tests dokument_widgets_tests"
    [ablauf]="dokument_tests import_programm_tests druck_tests app_tests"
    [zwischenspeicher]="logos_tests"
    [import]="import_tests"
    [nebenlauf]="nebenlauf_tests"
)
BEREICHE=(list view logos output pdf app import nebenlauf dokument ablauf zwischenspeicher)
# A fault that makes a test hang is caught when this many seconds are up; the background
# helper's tests take well under a second, the window's many minutes.
declare -A GRENZE=([nebenlauf]=60)

# area @@ file @@ text as it stands (exactly once in the file) @@ text of the fault
read -r -d '' MUTANTEN <<'ENDE' || true
list @@ src/list/Zeilenformat.cpp @@     if (n < 10) { @@     if (n <= 10) {
list @@ src/list/Zeilenformat.cpp @@         if (z == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') { @@         if (false) {
list @@ src/list/Zeilenformat.cpp @@         --ende; @@         break;
list @@ src/list/Zeilenformat.cpp @@     for (int j = 1; j <= 4; ++j) { @@     for (int j = 1; j < 4; ++j) {
list @@ src/list/Nummerierung.cpp @@ QString neu = Praefix(i + 1); @@ QString neu = Praefix(i);
list @@ src/list/Umordnung.cpp @@     if (ziel < 0 || ziel >= anzahl) @@     if (ziel < 0 || ziel > anzahl)
list @@ src/list/Bearbeitung.cpp @@     return zaehler >= 1 && zaehler < 4 ? zaehler + 1 : 1; @@     return zaehler >= 1 && zaehler <= 4 ? zaehler + 1 : 1;
list @@ src/list/Bearbeitung.cpp @@     if (platzhalterzaehler == 4) @@     if (platzhalterzaehler == 3)
list @@ src/list/Listendatei.cpp @@         if (z == u'\r' && i + 1 < n && zeichen(i + 1) == u'\n') { @@         if (false) {
list @@ src/list/Listendatei.cpp @@     if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) { @@     if (b0 == 0xFF && b1 == 0xFE) {
list @@ src/list/Listendatei.cpp @@     liste.SetzeUnicode(unicode); @@     (void)unicode;
list @@ src/list/Platzhalterzaehler.cpp @@         if (!logo.vorhanden && logo.platzhalter > 0) @@         if (logo.platzhalter > 0)
view @@ src/view/Eintrag.cpp @@     return 5 * QFontMetrics(schrift).averageCharWidth(); @@     return 4 * QFontMetrics(schrift).averageCharWidth();
view @@ src/view/Eintrag.cpp @@ text, TabAbstand(schrift)).width() + 8; @@ text, TabAbstand(schrift)).width() + 7;
view @@ src/view/Eintrag.cpp @@     if (zaehler < 0 || zaehler > 4) @@     if (zaehler < 0 || zaehler >= 4)
view @@ src/view/Eintrag.cpp @@     const QSize kasten(140, 100); @@     const QSize kasten(140, 101);
view @@ src/view/Eintrag.cpp @@     textfeld.setTop(rechteck.top() + LogoHoehe / 4); @@     textfeld.setTop(rechteck.top() + LogoHoehe / 3);
view @@ src/view/Logobild.cpp @@         return {kasten.width(), int(kasten.width() * r)}; @@         return {kasten.width(), int(kasten.width() * r) + 1};
view @@ src/view/Logobild.cpp @@         const double rund = std::min(kasten.width(), kasten.height()) / 10.0; @@         const double rund = std::min(kasten.width(), kasten.height()) / 8.0;
view @@ src/view/Logobild.cpp @@     return logo.hell ? LegeLogoInKasten(logo, logo.bild.size(), logo.bild.rect()) : logo.bild; @@     return logo.bild;
logos @@ src/logos/Logodateien.cpp @@             z = QChar(z.unicode() + 32); @@             z = QChar(z.unicode());
logos @@ src/logos/Logodateien.cpp @@             name.remove(i + 1, 1); @@             name.remove(i, 1);
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
output @@ src/output/Seitenpdf.cpp @@         if (i < seiten) { @@         if (i <= seiten) {
output @@ src/output/Seitenpdf.cpp @@             name.toUpper().contains(QStringLiteral("DINA4_"))) { @@             true) {
output @@ src/output/Seitenpdf.cpp @@     pdf.PageHeight = 1122; @@     pdf.PageHeight = 1123;
pdf @@ src/pdf/TmachPDF.cpp @@ std::int64_t(PageHeight) - Y1, " m"); @@ std::int64_t(PageHeight) - Y1 + 1, " m");
pdf @@ src/pdf/TmachPDF.cpp @@     Zeile(m_seiteninhalt, "/F", int(Font.Index) + 1, " ", Font.Size, " Tf"); @@     Zeile(m_seiteninhalt, "/F", int(Font.Index), " ", Font.Size, " Tf");
pdf @@ src/pdf/TmachPDFSchluss.cpp @@     Zeile(m_ausgabe, "0 ", katalog + 1); @@     Zeile(m_ausgabe, "0 ", katalog);
pdf @@ src/pdf/TmachPDFSchluss.cpp @@         HaengeMitNullenAn(m_ausgabe, versatz, 10); @@         HaengeMitNullenAn(m_ausgabe, versatz + 1, 10);
pdf @@ src/pdf/TmachPDFSchluss.cpp @@ gelesen.size() != bild.laenge || Pruefsumme({gelesen}) != bild.pruefsumme) { @@ gelesen.size() != bild.laenge) {
pdf @@ src/pdf/BmpDatei.cpp @@     a.vonUnten = k.hoehe > 0; @@     a.vonUnten = k.hoehe < 0;
pdf @@ src/pdf/BmpDatei.cpp @@     if (k.bits != 24 && k.bits != 32) { @@     if (k.bits != 24 && k.bits != 32 && k.bits != 16) {
pdf @@ src/pdf/BmpDatei.cpp @@     if (a.anfang < k.kopfEnde || ende > dateigroesse) { @@     if (a.anfang < k.kopfEnde) {
pdf @@ src/pdf/BmpDatei.cpp @@         k.kopfEnde += 12; // the three colour masks follow the header @@         k.kopfEnde += 0;
app @@ src/app/Bearbeitenbefehle.cpp @@     if (i < 0 || !Dialoge::Bestaetigung(m_fenster.Eltern(), LoeschFrage(m_dokument.Liste().Zeile(i)))) @@     if (i < 0)
app @@ src/app/Bearbeitenbefehle.cpp @@ .arg(std::min(doppel->eintrag, doppel->anderer) + 1) @@ .arg(std::min(doppel->eintrag, doppel->anderer))
app @@ src/app/Bearbeitenbefehle.cpp @@         a.Waehle(AuswahlNachLoeschen(i)); @@         a.Waehle(i);
app @@ src/logos/Logowahl.cpp @@         leiste->setValue(leiste->value() + 540); @@         leiste->setValue(leiste->value() + 541);
app @@ src/logos/Logowahl.cpp @@     leiste->setValue(leiste->value() - 136 * rasten); @@     leiste->setValue(leiste->value() - 135 * rasten);
app @@ src/app/NachrichtenFilter.cpp @@     const int taste = rasten > 0 ? Qt::Key_Up : Qt::Key_Down; @@     const int taste = rasten < 0 ? Qt::Key_Up : Qt::Key_Down;
app @@ src/app/MainFormAufbau.cpp @@ zurueck ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, aktion, @@ &QUndoStack::canUndoChanged, aktion,
app @@ src/app/Dateibefehle.cpp @@     if (datei.absoluteDir() != QDir(listenOrdner) || !datei.fileName() @@     if (!datei.fileName()
dokument @@ src/dokument/Listendokument.cpp @@     if (schritt.speichern == Speichern::Sofort && aenderer.m_geaendert) @@     if (schritt.speichern == Speichern::Sofort)
dokument @@ src/dokument/Listendokument.cpp @@     m_dokument.m_herkunft.move(von, nach); @@     (void)von, (void)nach;
dokument @@ src/dokument/Listendokument.cpp @@ { return herkunftVorher[i] == m_herkunft[j]; } @@ { return true; }
dokument @@ src/dokument/Listendokument.cpp @@     if (schritt.nummerieren) @@     if (true)
import @@ src/import/Import.cpp @@ abstand > 1 && abstand <= 1000 ? abstand - 1 : 0); @@ abstand > 1 && abstand < 1000 ? abstand - 1 : 0);
import @@ src/import/Import.cpp @@         frei += optionen.nummernBehalten ? luecke : 0; @@         frei += luecke;
import @@ src/import/Import.cpp @@ m_referenzen[IstRadio(m_fund, sender) ? 1 : 0]; @@ m_referenzen[0];
import @@ src/import/Import.cpp @@         if (sender.platzhalter || sender.referenz.isEmpty()) @@         if (sender.referenz.isEmpty())
import @@ src/import/Import.cpp @@ radio || (gruppe && gruppe->radio && gruppe->eigeneZaehlung); @@ radio || (gruppe && gruppe->radio);
import @@ src/import/Import.cpp @@         if (gleicherSatz->bouquets.isEmpty() || quelle.bouquets.isEmpty()) @@         if (gleicherSatz->bouquets.isEmpty() && quelle.bouquets.isEmpty())
import @@ src/import/Import.cpp @@ [](QChar z) { return z.isLetterOrNumber(); }); @@ [](QChar z) { return z.isLetter(); });
import @@ src/import/Bouquets.cpp @@         m_nummer = 0; // TV and radio are numbered each from 1 @@ // weggelassen
import @@ src/import/Bouquets.cpp @@                 if (!(flags & NummerierteMarkierung)) @@                 if (false)
import @@ src/import/Bouquets.cpp @@             if (!m_gemeldet.contains(datei)) @@             if (true)
import @@ src/import/Bouquets.cpp @@         if (tiefe > MaxTiefe) { @@         if (tiefe >= MaxTiefe) {
import @@ src/import/Wiedergabeliste.cpp @@ namen != gruppenJeEintrag[i - 1] || e.radio != eintraege[i - 1].radio) { @@ namen != gruppenJeEintrag[i - 1]) {
import @@ src/import/Wiedergabeliste.cpp @@ datei.startsWith(QLatin1String("radio"), Qt::CaseInsensitive) @@ datei.startsWith(QLatin1String("radio"))
import @@ src/import/Kanaldatei.cpp @@     const bool radio = FuehrendeZahl(felder[Vpid], 2) <= 1; @@     const bool radio = FuehrendeZahl(felder[Vpid], 2) < 1;
import @@ src/import/Kanaldatei.cpp @@     const qsizetype komma = namen.lastIndexOf(u','); @@     const qsizetype komma = namen.indexOf(u',');
import @@ src/import/Kanaldatei.cpp @@         for (const Feld feld : {Nid, Tid, Sid}) @@         for (const Feld feld : {Tid, Nid, Sid})
import @@ src/import/Referenzliste.cpp @@ std::count(zeile.begin(), zeile.end(), ':') < 12; @@ std::count(zeile.begin(), zeile.end(), ':') <= 12;
import @@ src/import/Referenzliste.cpp @@             if (kennung.isEmpty() || IstDienstkennung(kennung)) { @@             if (IstDienstkennung(kennung)) {
import @@ src/import/Importquelle.cpp @@     QHash<QString, int>& index = m_index[radio ? 1 : 0]; @@     QHash<QString, int>& index = m_index[0];
import @@ src/import/Importquelle.cpp @@         if (ende == anfang.size() && zeilen.size() > 1 && !zeile.isEmpty()) @@         if (false)
import @@ src/import/Importquelle.cpp @@         if (z.unicode() != 0x86 && z.unicode() != 0x87) @@         if (z.unicode() != 0x86)
import @@ src/import/Piconname.cpp @@     while (null + 1 < feld.size() && feld[null] == u'0') @@     while (null < feld.size() && feld[null] == u'0')
import @@ src/import/Piconname.cpp @@     const int orbital = richtung == u'E' ? position : (3600 - position) % 3600; @@     const int orbital = position;
import @@ src/import/Piconname.cpp @@     const qsizetype punkt = basis.lastIndexOf(u'.'); @@     const qsizetype punkt = basis.indexOf(u'.');
nebenlauf @@ src/nebenlauf/GeordneteArbeit.h @@ m_begonnen - m_genommen < m_vorlauf; @@ m_begonnen - m_genommen <= m_vorlauf;
nebenlauf @@ src/nebenlauf/GeordneteArbeit.h @@         m_gemeldet.wait(gesperrt, [this] { return VorneEntschieden(); }); @@ // weggelassen
nebenlauf @@ src/nebenlauf/GeordneteArbeit.h @@         m_gemeldet.notify_all(); // a worker may begin the next job @@ // weggelassen
nebenlauf @@ src/nebenlauf/GeordneteArbeit.h @@                 m_fehler = fehler; @@                 (void)0;
nebenlauf @@ src/nebenlauf/GeordneteArbeit.h @@             m_halt = true; @@ // weggelassen
dokument @@ src/dokument/Aktualisierung.cpp @@ (wahl.neue == NeueSender::Einzeln && zeile.aufnehmen); @@ wahl.neue == NeueSender::Einzeln;
dokument @@ src/dokument/Aktualisierung.cpp @@                 neueZeile(FreierEintrag, {}); @@                 {}
dokument @@ src/dokument/Aktualisierung.cpp @@             ++(h.radio ? radio : tv); @@             ++(h.radio ? tv : radio);
dokument @@ src/dokument/Aktualisierung.cpp @@ radio + tv > 0 ? radio > tv : @@ radio + tv > 0 ? radio >= tv :
dokument @@ src/dokument/Listendokument.cpp @@     if (ganz && zweck == Ausgabezweck::Druck) @@     if (ganz)
dokument @@ src/dokument/Listendokument.cpp @@ m_umgebung.platzhalterzaehler, !karten.isEmpty()}; @@ m_umgebung.platzhalterzaehler, false};
dokument @@ src/dokument/Listendokument.cpp @@ nurGeaenderte ? GeaenderteKarten() : QList<int>(); @@ QList<int>();
dokument @@ src/dokument/Listendokument.cpp @@     if (ganz && zweck == Ausgabezweck::Druck) @@     if (zweck == Ausgabezweck::Druck)
dokument @@ src/list/Listensperre.cpp @@         if (gehalten.contains(datei)) @@         if (false)
dokument @@ src/list/Listensperre.cpp @@         if (sperre->error() == QLockFile::LockFailedError) @@         if (false)
dokument @@ src/list/Listensperre.cpp @@     gehalten.insert(datei); @@     (void)datei;
dokument @@ src/list/Listensperre.cpp @@     m_sperre = std::move(sperre); @@     sperre->unlock();
ablauf @@ src/dokument/Importablauf.cpp @@ {eintraege[i].referenz, eintraege[i].logoSchluessel, @@ {QString(), eintraege[i].logoSchluessel,
ablauf @@ src/dokument/Importablauf.cpp @@     const int erste = int(dokument.Liste().Anzahl()); @@     const int erste = 0;
ablauf @@ src/dokument/Importablauf.cpp @@     if (anhaengen) @@     if (!anhaengen)
ablauf @@ src/dokument/Importablauf.cpp @@         HaengeImportAn(radio, listen.radio, speichern); @@         HaengeImportAn(liste, listen.radio, speichern);
ablauf @@ src/dokument/Logoablauf.cpp @@ if (!IstPlatzhalterpfad(teile.logoPfad) && heute.vorhanden) @@ if (heute.vorhanden)
ablauf @@ src/dokument/Logoablauf.cpp @@ suchen.append({teile.name, dokument.Herkunft(zeile).logoSchluessel}); @@ suchen.append({teile.name, {}});
ablauf @@ src/dokument/Logoablauf.cpp @@         if (e.automatisch) @@         if (true)
ablauf @@ src/dokument/Logoablauf.cpp @@ {eingeschrieben.size(), KopiereLogos(eingeschrieben, senderLogos)}; @@ {eingeschrieben.size(), {}};
zwischenspeicher @@ src/zwischenspeicher/Bildschluessel.cpp @@ '\n' + QByteArray::number(s.geaendertNs) + '\n' + @@ '\n' + '\n' +
zwischenspeicher @@ src/zwischenspeicher/Paketformat.cpp @@         kopf.pruefsumme != Pruefsumme(schluessel.constData(), schluessel.size(), bild.constBits(), pixelLaenge)) @@         false)
zwischenspeicher @@ src/zwischenspeicher/Ordnerpflege.cpp @@         if (!zuViel || summe <= grenze * 3 / 4) @@         if (!zuViel || summe <= grenze)
zwischenspeicher @@ src/zwischenspeicher/Zwischenspeicherzustand.cpp @@ (::mkdir(z.ordnerName.c_str(), 0700) != 0 @@ (::mkdir(z.ordnerName.c_str(), 0755) != 0
zwischenspeicher @@ src/zwischenspeicher/Ordnerpflege.cpp @@             else if (kaputt) // packs are whole once in place: this one was damaged later @@             else if (false)
ENDE

bereiche=()
nurListe=0
while [ $# -gt 0 ]; do
    case "$1" in
    --bereich) bereiche+=("$2"); shift 2 ;;
    --liste) nurListe=1; shift ;;
    *) echo "Aufruf: $0 [--bereich $(IFS='|'; echo "${BEREICHE[*]}")]... [--liste]" >&2; exit 2 ;;
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

# Runs the area's tests; when one fails, `wodurch` names the failed cases, or says it hung or crashed.
teste() {
    local ziel datei status=0
    for ziel in ${TESTS[$1]}; do
        datei=$(find "$bau/tests" -name "$ziel" -type f -perm -u+x | head -n 1)
        timeout "${GRENZE[$1]:-900}" /usr/bin/env LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
            "$datei" --gtest_brief=1 >>"$protokoll" 2>&1 || status=$?
        [ $status -eq 0 ] && continue
        wodurch=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_]*\).*/\1/p' "$protokoll" | sort -u |
            paste -sd ' ' -)
        [ $status -eq 124 ] && wodurch="$ziel hängt${wodurch:+ ($wodurch)}"
        [ -z "$wodurch" ] && wodurch="$ziel bricht ab (Status $status)"
        return 1
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
    for b in "${BEREICHE[@]}"; do
        gewaehlt "$b" || continue
        if ! baue "${TESTS[$b]}" || ! teste "$b"; then
            cat "$protokoll" >&2
            echo "Die Tests von $b scheitern schon ohne Fehler." >&2
            exit 1
        fi
    done
fi

declare -A gefangen=() gesamt=()
nummer=0
wodurch=""
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
    beschreibung=$(printf '%2d %-9s %s: %s -> %s' "$nummer" "$bereich" "$datei" "$(sed 's/^ *//' <<<"$alt")" \
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
    elif teste "$bereich"; then
        ergebnis="UEBERLEBT"
    else
        ergebnis="GEFANGEN"
        beschreibung="$beschreibung  [$wodurch]"
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
for b in "${BEREICHE[@]}"; do
    gewaehlt "$b" && baue "${TESTS[$b]}" || true
done

summeGefangen=0
summe=0
for b in "${BEREICHE[@]}"; do
    [ -n "${gesamt[$b]:-}" ] || continue
    echo "$b: ${gefangen[$b]:-0} von ${gesamt[$b]} gefangen"
    summeGefangen=$((summeGefangen + ${gefangen[$b]:-0}))
    summe=$((summe + ${gesamt[$b]}))
done
echo "Gefangen: $summeGefangen von $summe (baut nicht: $bautNicht, nicht anwendbar: $nichtAnwendbar)"
[ $nichtAnwendbar -eq 0 ]
