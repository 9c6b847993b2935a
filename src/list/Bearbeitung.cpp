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
                                        int& platzhalterzaehler) {
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    if (!teile.hatTrenner || teile.praefix.isEmpty())
        return std::nullopt;
    QString logo = teile.logoPfad;
    if (!IstPlatzhalterpfad(logo)) {
        platzhalterzaehler = NaechsterPlatzhalter(platzhalterzaehler);
        if (logoEntfernen)
            logo = Platzhalterpfad(platzhalterzaehler);
    }
    return BaueZeile(teile.praefix, MacheEinzeilig(name), logo);
}

QString NeueTextzeile(const QString& name, qsizetype nummer, int& platzhalterzaehler) {
    platzhalterzaehler = NaechsterPlatzhalter(platzhalterzaehler);
    const QString zeile =
        BaueZeile(VorlaeufigerPraefix(nummer), MacheEinzeilig(name), Platzhalterpfad(platzhalterzaehler));
    if (platzhalterzaehler == 4)
        platzhalterzaehler = 0;
    return zeile;
}

void HaengeNamenAn(SenderListe& liste, const QStringList& namen, int& platzhalterzaehler) {
    // The lines NeueTextzeile would make, with the prefix the renumbering gives them made
    // at once: an import appends a hundred thousand lines, each is built only once.
    const QString platzhalter[] = {Platzhalterpfad(1), Platzhalterpfad(2), Platzhalterpfad(3), Platzhalterpfad(4)};
    for (const QString& name : namen) {
        platzhalterzaehler = NaechsterPlatzhalter(platzhalterzaehler);
        liste.HaengeAn(
            BaueNummerierteZeile(liste.Anzahl() + 1, MacheEinzeilig(name), platzhalter[platzhalterzaehler - 1]));
        if (platzhalterzaehler == 4)
            platzhalterzaehler = 0;
    }
    KorrigiereDieNummern(liste);
}

QString LoeschFrage(const QString& zeile) {
    // As the card shows it, "25 = RTL Crime HD": without the blanks that align the numbers.
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    const QString name = OhneRandBlanks(teile.name);
    const QString nummer = OhneRandBlanks(teile.praefix.left(teile.praefix.lastIndexOf(u'=')));
    const QString eintrag = teile.praefix.isEmpty() ? name : nummer + QStringLiteral(" = ") + name;
    return QStringLiteral("Möchten Sie den Eintrag „%1“ wirklich löschen?").arg(eintrag);
}

int AuswahlNachLoeschen(int geloescht) {
    return geloescht > 0 ? geloescht - 1 : -1;
}

} // namespace senvio
