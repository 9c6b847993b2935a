#include "list/Bearbeitung.h"

#include "list/Nummerierung.h"
#include "list/Zeilenformat.h"

namespace senvio {

int NaechsterPlatzhalter(int zaehler) {
    return zaehler >= 1 && zaehler < 4 ? zaehler + 1 : 1;
}

std::optional<QString> NameZumBearbeiten(const QString& zeile) {
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    if (!teile.hatTrenner)
        return std::nullopt;
    return OhneRandBlanks(teile.name);
}

std::optional<QString> BearbeiteteZeile(const QString& zeile, const QString& name, bool logoEntfernen,
                                        int& platzhalterZaehler) {
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    if (!teile.hatTrenner || teile.praefix.isEmpty())
        return std::nullopt;
    QString logo = teile.logoPfad;
    if (!IstPlatzhalterPfad(logo)) {
        platzhalterZaehler = NaechsterPlatzhalter(platzhalterZaehler);
        if (logoEntfernen)
            logo = PlatzhalterPfad(platzhalterZaehler);
    }
    return BaueZeile(teile.praefix, MacheEinzeilig(name), logo);
}

QString NeueTextzeile(const QString& name, qsizetype nummer, int& platzhalterZaehler) {
    platzhalterZaehler = NaechsterPlatzhalter(platzhalterZaehler);
    const QString zeile =
        BaueZeile(VorlaeufigerPraefix(nummer), MacheEinzeilig(name), PlatzhalterPfad(platzhalterZaehler));
    if (platzhalterZaehler == 4)
        platzhalterZaehler = 0;
    return zeile;
}

void HaengeNamenAn(SenderListe& liste, const QStringList& namen, int& platzhalterZaehler) {
    for (const QString& name : namen)
        liste.HaengeAn(NeueTextzeile(name, liste.Anzahl() + 1, platzhalterZaehler));
    KorrigiereDieNummern(liste);
}

QString LoeschFrage(const QString& zeile) {
    return QStringLiteral("Möchten Sie den Eintrag: \"") + ZerlegeZeile(zeile).kopf +
           QStringLiteral("\" wirklich löschen?");
}

int AuswahlNachLoeschen(int geloescht) {
    return geloescht > 0 ? geloescht - 1 : -1;
}

} // namespace senvio
