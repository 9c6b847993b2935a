#include "dokument/Logoablauf.h"

#include "list/Zeilenformat.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace senvio {

namespace {

// Leaves out what the entry shows already: its own file, or one of the same bytes.
void OhneHeutigesLogo(Logoentscheidung& entscheidung, const Logobestand& bestand, int heute) {
    if (heute < 0)
        return;
    entscheidung.vorschlaege.removeIf(
        [&](const Logovorschlag& v) { return v.datei == heute || bestand.GleicherInhalt(v.datei, heute); });
}

QString Vorschlagszeile(const Logobestand& bestand, const QString& name, const QList<Logovorschlag>& vorschlaege) {
    QStringList dateien;
    for (const Logovorschlag& v : vorschlaege) {
        const Logodatei& datei = bestand.Dateien().at(v.datei);
        const QString dateiname = QFileInfo(datei.pfad).fileName();
        dateien << (datei.gruppe.isEmpty() ? dateiname : QStringLiteral("%1 (%2)").arg(dateiname, datei.gruppe));
    }
    return QStringLiteral("Vorschläge für „%1“: %2").arg(name, dateien.join(QStringLiteral(", ")));
}

} // namespace

QList<Pruefeintrag> FindeLogos(const Listendokument& dokument, const Logobestand& bestand, int von, int bis) {
    const SenderListe& liste = dokument.Liste();
    QHash<QString, int> dateiIndex;
    for (int i = 0; i < bestand.Dateien().size(); ++i)
        dateiIndex.insert(QDir::cleanPath(bestand.Dateien()[i].pfad), i);
    // Every entry of the list is asked about: the others tell which names and files are shared.
    QList<Pruefeintrag> funde;
    QList<Logoanfrage> suchen;
    for (int zeile = 0; zeile < liste.Anzahl(); ++zeile)
        // A line without logo part takes no logo.
        if (const ZeilenTeile teile = ZerlegeZeile(liste.Zeile(zeile)); teile.hatTrenner) {
            Pruefeintrag fund;
            fund.zeile = zeile;
            fund.name = teile.name;
            // "Nr. 12  Das Erste HD": the number the list shows, else the row's.
            const QString nummer = teile.praefix.section(u'=', 0, 0).trimmed();
            fund.titel =
                QStringLiteral("Nr. %1  %2").arg(nummer.isEmpty() ? QString::number(zeile + 1) : nummer, teile.name);
            const AufgeloestesLogo heute = LoeseLogopfadAuf(teile.logoPfad, dokument.Ordner().programm);
            if (!IstPlatzhalterpfad(teile.logoPfad) && heute.vorhanden)
                fund.bisherDatei = heute.datei;
            const Eintragsherkunft& herkunft = dokument.Herkunft(zeile);
            suchen.append({teile.name, herkunft.logoSchluessel, herkunft.radio,
                           fund.bisherDatei.isEmpty() ? -1 : dateiIndex.value(QDir::cleanPath(fund.bisherDatei), -1),
                           zeile >= von && zeile < bis});
            funde.append(std::move(fund));
        }
    const QList<Logoentscheidung> entscheidungen = EntscheideLogos(bestand, suchen);
    QList<Pruefeintrag> mitVorschlag;
    for (qsizetype i = 0; i < funde.size(); ++i) {
        if (!suchen[i].gesucht)
            continue;
        Pruefeintrag& fund = funde[i];
        fund.entscheidung = entscheidungen[i];
        if (!fund.bisherDatei.isEmpty())
            OhneHeutigesLogo(fund.entscheidung, bestand, suchen[i].eigeneDatei);
        if (!fund.entscheidung.vorschlaege.isEmpty())
            mitVorschlag.append(std::move(fund));
    }
    return mitVorschlag;
}

void ZeichneBisherigeLogos(QList<Pruefeintrag>& eintraege, const Listendokument& dokument) {
    Eintragsumgebung umgebung = dokument.Umgebung();
    QHash<QString, QImage> platzhalter; // the few placeholder pictures, each made once
    for (Pruefeintrag& eintrag : eintraege) {
        if (!eintrag.bisherDatei.isEmpty())
            continue;
        const QString& zeile = dokument.Liste().Zeile(eintrag.zeile);
        const QString pfad = ZerlegeZeile(zeile).logoPfad;
        auto bild = platzhalter.find(pfad);
        if (bild == platzhalter.end())
            bild = platzhalter.insert(pfad, Eintragslogo(zeile, umgebung));
        eintrag.bisher = *bild;
    }
}

Logouebernahme UebernimmLogos(Listendokument& dokument, const QList<Logozuweisung>& zuweisungen, const QString& schritt,
                              Speichern speichern) {
    QList<Logozuweisung> eingeschrieben;
    dokument.Aendere({schritt, speichern, true}, [&](Listenaenderung& aenderung) {
        aenderung.AendereZeilen([&](SenderListe& liste) { eingeschrieben = SchreibeLogosEin(liste, zuweisungen); });
    });
    if (eingeschrieben.isEmpty())
        return {};
    const QString senderLogos = dokument.Ordner().senderLogos;
    QDir().mkpath(senderLogos); // as the window's first start makes it
    return {eingeschrieben.size(), KopiereLogos(eingeschrieben, senderLogos)};
}

Logobericht OrdneLogosZu(Listendokument& dokument, const Logobestand& bestand, int von, Speichern speichern) {
    Logobericht ergebnis;
    QList<Logozuweisung> eindeutig;
    for (const Pruefeintrag& fund : FindeLogos(dokument, bestand, von, int(dokument.Liste().Anzahl()))) {
        const Logoentscheidung& e = fund.entscheidung;
        if (e.automatisch)
            eindeutig.append({fund.zeile, bestand.Dateien().at(e.vorschlaege.first().datei).pfad});
        else
            ergebnis.vorschlaege.append(Vorschlagszeile(bestand, fund.name, e.vorschlaege));
    }
    if (const QString hinweis = Beschaedigtenhinweis(bestand); !hinweis.isEmpty())
        ergebnis.hinweise.append(hinweis);
    ergebnis.uebernahme = UebernimmLogos(dokument, eindeutig, QStringLiteral("Logos automatisch zuordnen"), speichern);
    return ergebnis;
}

} // namespace senvio
