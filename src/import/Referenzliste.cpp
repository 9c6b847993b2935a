#include "import/Referenzliste.h"

#include <QFileInfo>

#include <algorithm>

namespace senvio {

namespace {

// "ONID-TSID-SID": three decimal numbers.
bool IstDienstkennung(QStringView text) {
    const QList<QStringView> teile = text.split(u'-');
    return teile.size() == 3 && std::all_of(teile.begin(), teile.end(), [](QStringView teil) {
               return !teil.isEmpty() &&
                      std::all_of(teil.begin(), teil.end(), [](QChar z) { return z >= u'0' && z <= u'9'; });
           });
}

// Starts with digits followed by ";", and is no recorder channel line.
bool IstEintragszeile(QByteArrayView zeile) {
    qsizetype i = 0;
    while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9')
        ++i;
    return i > 0 && i < zeile.size() && zeile[i] == ';' && std::count(zeile.begin(), zeile.end(), ':') < 12;
}

} // namespace

bool IstReferenzliste(QByteArrayView anfang) {
    const QList<QByteArrayView> zeilen = AnfangsZeilen(anfang);
    const auto passend = std::count_if(zeilen.begin(), zeilen.end(), IstEintragszeile);
    return passend > zeilen.size() - passend;
}

// ".txt": "Nr;Name;ONID-TSID-SID"; ".chl": "Nr;Name". A name may hold ";" itself when
// no service key ends the line.
ImportFund LeseReferenzliste(const QByteArray& bytes, const QString& dateiname) {
    ImportFund fund;
    ImportGruppen gruppen(fund);
    QList<ImportSender> sender;
    FuerJedeZeile(ImportText(bytes, QFileInfo(dateiname).fileName(), &fund.hinweise), [&](QStringView zeile) {
        const QStringView z = zeile.trimmed();
        const qsizetype strichpunkt = z.indexOf(u';');
        const int nummer = strichpunkt < 0 ? 0 : PositiveZahl(z.first(strichpunkt).trimmed());
        if (nummer == 0)
            return;
        QStringView name = z.sliced(strichpunkt + 1);
        ImportSender s;
        s.nummer = nummer;
        const qsizetype letzter = name.lastIndexOf(u';');
        if (letzter >= 0) {
            const QStringView kennung = name.sliced(letzter + 1).trimmed();
            if (kennung.isEmpty() || IstDienstkennung(kennung)) {
                s.referenz = kennung.toString();
                name = name.first(letzter);
            }
        }
        s.name = ImportName(name);
        sender.append(std::move(s));
    });
    std::stable_sort(sender.begin(), sender.end(),
                     [](const ImportSender& a, const ImportSender& b) { return a.nummer < b.nummer; });

    const int gruppe = sender.isEmpty() ? -1 : gruppen.Index(QFileInfo(dateiname).fileName(), false);
    for (ImportSender& s : sender) {
        s.gruppen.append(gruppe);
        NimmAuf(fund, std::move(s));
    }
    return fund;
}

} // namespace senvio
