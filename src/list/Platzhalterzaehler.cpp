#include "list/Platzhalterzaehler.h"

#include "list/Zeilenformat.h"

namespace senvio {

int PlatzhalterzaehlerNachStart(const QStringList& zeilen, int zaehler) {
    for (const QString& zeile : zeilen) {
        const ZeilenTeile teile = ZerlegeZeile(zeile);
        if (!teile.hatTrenner)
            continue;
        if (!IstPlatzhalterpfad(teile.logoPfad))
            zaehler = 0;
        else if (const int nummer = PlatzhalterNummer(teile.logoPfad); nummer > 0)
            zaehler = nummer;
        if (zaehler == 4)
            zaehler = 0;
    }
    return zaehler;
}

int PlatzhalterzaehlerNachOeffnen(const QStringList& zeilen, const QString& programmOrdner, int zaehler) {
    for (const QString& zeile : zeilen) {
        const ZeilenTeile teile = ZerlegeZeile(zeile);
        if (!teile.hatTrenner)
            continue;
        const AufgeloestesLogo logo = LoeseLogopfadAuf(teile.logoPfad, programmOrdner);
        if (!logo.vorhanden && logo.platzhalter > 0)
            zaehler = logo.platzhalter;
    }
    return zaehler;
}

} // namespace senvio
