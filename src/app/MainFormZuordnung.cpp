// "Logos automatisch zuordnen...": every entry's name (and what an import said of its
// logo) looked up among all logo files, the finds reviewed in a dialog, the ticked ones
// attached in one step.
#include "app/MainForm.h"

#include "app/Sanduhr.h"
#include "list/Zeilenformat.h"
#include "logos/LogozuordnungForm.h"
#include "platform/Dialoge.h"

#include <QDir>
#include <QHash>

#include <optional>

namespace senvio {

namespace {

// "Nr. 12  Das Erste HD": the number the list shows, else the row's.
QString Eintragstitel(const ZeilenTeile& teile, int zeile) {
    const QString nummer = teile.praefix.section(u'=', 0, 0).trimmed();
    return QStringLiteral("Nr. %1  %2").arg(nummer.isEmpty() ? QString::number(zeile + 1) : nummer, teile.name);
}

// Leaves out what the entry shows already: its own file, or one of the same bytes.
void OhneHeutigesLogo(Logoentscheidung& entscheidung, const Logobestand& bestand, int heute) {
    if (heute < 0)
        return;
    entscheidung.vorschlaege.removeIf(
        [&](const Logovorschlag& v) { return v.datei == heute || bestand.GleicherInhalt(v.datei, heute); });
}

} // namespace

void TMainForm::LogosautomatischzuordnenClick() {
    PruefeLogos(0, int(m_liste.Anzahl()), false);
}

QList<Pruefeintrag> TMainForm::Pruefeintraege(const Logobestand& bestand, int von, int bis) const {
    QHash<QString, int> dateiIndex;
    for (int i = 0; i < bestand.Dateien().size(); ++i)
        dateiIndex.insert(QDir::cleanPath(bestand.Dateien()[i].pfad), i);
    Eintragsumgebung umgebung = m_umgebung;
    QHash<QString, QImage> platzhalter; // the few placeholder pictures, each made once
    // A line without logo part takes no logo.
    QList<std::pair<int, ZeilenTeile>> zeilen;
    QList<Logosuche> suchen;
    for (int zeile = von; zeile < bis; ++zeile)
        if (ZeilenTeile teile = ZerlegeZeile(m_liste.Zeile(zeile)); teile.hatTrenner) {
            suchen.append({teile.name, m_importSchluessel.value(teile.name)});
            zeilen.append({zeile, std::move(teile)});
        }
    const QList<Logoentscheidung> entscheidungen = EntscheideLogos(bestand, suchen);
    QList<Pruefeintrag> eintraege;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto& [zeile, teile] = zeilen[i];
        Pruefeintrag eintrag;
        eintrag.zeile = zeile;
        eintrag.entscheidung = entscheidungen[i];
        const AufgeloestesLogo heute = LoeseLogoPfadAuf(teile.logoPfad, m_ordner.programm);
        if (!IstPlatzhalterPfad(teile.logoPfad) && heute.vorhanden) {
            eintrag.bisherDatei = heute.datei;
            OhneHeutigesLogo(eintrag.entscheidung, bestand, dateiIndex.value(QDir::cleanPath(heute.datei), -1));
        }
        if (eintrag.entscheidung.vorschlaege.isEmpty())
            continue;
        if (eintrag.bisherDatei.isEmpty()) {
            auto bild = platzhalter.find(teile.logoPfad);
            if (bild == platzhalter.end())
                bild = platzhalter.insert(teile.logoPfad, Eintragslogo(m_liste.Zeile(zeile), umgebung));
            eintrag.bisher = *bild;
        }
        eintrag.titel = Eintragstitel(teile, zeile);
        eintraege.append(std::move(eintrag));
    }
    return eintraege;
}

void TMainForm::PruefeLogos(int von, int bis, bool nachImport) {
    std::optional<Logobestand> bestand;
    QList<Pruefeintrag> eintraege;
    {
        const Sanduhr sanduhr;
        bestand.emplace(LeseLogobestand(m_ordner.logoWurzel, m_ordner.senderLogos));
        eintraege = Pruefeintraege(*bestand, von, bis);
    }
    if (eintraege.isEmpty()) {
        if (!nachImport)
            Dialoge::Information(this, QStringLiteral("Für keinen Eintrag der Liste wurde ein passendes Logo "
                                                      "gefunden. %1")
                                           .arg(Beschaedigtenhinweis(bestand->Beschaedigte()))
                                           .trimmed());
        return;
    }
    if (nachImport && !Dialoge::Bestaetigung(this, QStringLiteral("Für %1 der importierten Sender wurden Logos "
                                                                  "gefunden. Möchten Sie die Logos jetzt prüfen "
                                                                  "und zuordnen?")
                                                       .arg(eintraege.size())))
        return;
    TLogozuordnungForm dialog(*bestand, std::move(eintraege), this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    HaengeLogosAn(dialog.Gewaehlt(), QStringLiteral("Logos automatisch zuordnen"));
    NummeriereNeu();
}

} // namespace senvio
