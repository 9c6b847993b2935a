#include "import/Import.h"

#include "import/Bouquets.h"
#include "import/Kanaldatei.h"
#include "import/Referenzliste.h"
#include "import/Wiedergabeliste.h"
#include "list/Doppelte.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace senvio {

namespace {

constexpr qint64 Happen = qint64(4) << 20;

Fehler ZuGross(const QString& pfad) {
    return Fehler(QStringLiteral("Die Datei %1 ist größer als 256 MiB und wird nicht eingelesen.").arg(pfad));
}

// The whole file, read in pieces so that a device or a pipe without an end cannot fill
// the memory; nothing when it holds more than the limit.
std::optional<QByteArray> LiesBegrenzt(QFile& datei, const std::function<void(qint64)>& gelesen = {}) {
    QByteArray bytes;
    bytes.reserve(std::min(datei.size(), GroessteImportdatei) + Happen);
    for (;;) {
        const qint64 anfang = bytes.size();
        bytes.resize(anfang + Happen);
        const qint64 n = datei.read(bytes.data() + anfang, Happen);
        bytes.resize(anfang + std::max<qint64>(n, 0));
        if (n < 0)
            throw DateiFehler::NichtGeoeffnet(datei.fileName());
        if (bytes.size() > GroessteImportdatei)
            return std::nullopt;
        if (gelesen && n > 0)
            gelesen(n);
        if (n == 0)
            return bytes;
    }
}

bool PasstZumNamen(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
}

// The group indexes of the second find moved behind those of the first.
void HaengeFundAn(ImportFund& ziel, ImportFund&& fund) {
    const int versatz = int(ziel.gruppen.size());
    ziel.gruppen.append(std::move(fund.gruppen));
    ziel.hinweise.append(std::move(fund.hinweise));
    ziel.sender.reserve(ziel.sender.size() + fund.sender.size());
    for (ImportSender& sender : fund.sender) {
        for (int& gruppe : sender.gruppen)
            gruppe += versatz;
        ziel.sender.append(std::move(sender));
    }
}

// One chosen file or folder: read by its reader, or, for a bouquet set, only the set's
// folder and which bouquets it stands for: the set is read once for all its files.
struct Quelle {
    QString pfad;
    QString bouquetOrdner;
    BouquetWahl wahl = BouquetWahl::Beide;
    ImportFund fund;
};

Quelle LeseQuelle(const QString& pfad, const std::function<void(qint64)>& gelesen) {
    const QFileInfo info(pfad);
    if (info.isDir())
        return {pfad, QDir::cleanPath(info.absoluteFilePath()), BouquetWahl::Beide, {}};
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw DateiFehler::NichtGeoeffnet(pfad);
    if (datei.size() > GroessteImportdatei)
        throw ZuGross(pfad);
    const std::optional<QByteArray> bytes = LiesBegrenzt(datei, gelesen);
    if (!bytes)
        throw ZuGross(pfad);
    const QString name = info.fileName();
    if (IstBouquetDatei(*bytes))
        return {pfad, QDir::cleanPath(info.absolutePath()), BouquetWahlDerDatei(name), {}};
    if (IstWiedergabeliste(*bytes))
        return {pfad, {}, {}, LeseWiedergabeliste(*bytes, name)};
    if (IstKanaldatei(*bytes))
        return {pfad, {}, {}, LeseKanaldatei(*bytes, name)};
    if (IstReferenzliste(*bytes))
        return {pfad, {}, {}, LeseReferenzliste(*bytes, name)};
    throw Fehler(QStringLiteral("Das Format der Datei %1 ist unbekannt.").arg(pfad));
}

bool IstGewaehlt(const ImportSender& sender, const QList<bool>& gruppeGewaehlt) {
    for (int gruppe : sender.gruppen)
        if (gruppe >= 0 && gruppe < gruppeGewaehlt.size() && gruppeGewaehlt[gruppe])
            return true;
    return false;
}

// Calls `tu` with each chosen channel in the receiver's order and the numbers the
// receiver leaves free before it: where it and the channel taken before both carry the
// receiver's number and it lies 2 to 1000 above the other, the numbers between.
template <typename Tu> void FuerJedenGewaehlten(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, Tu&& tu) {
    int vorige = 0; // the receiver's number of the channel taken before, 0 for none
    for (const ImportSender& sender : fund.sender) {
        if (!IstGewaehlt(sender, gruppeGewaehlt))
            continue;
        const qint64 abstand = vorige > 0 && sender.nummer > 0 ? qint64(sender.nummer) - vorige : 0;
        tu(sender, abstand > 1 && abstand <= 1000 ? abstand - 1 : 0);
        vorige = sender.nummer;
    }
}

// Tells, channel by channel in the order taken, whether an earlier one is the same
// station: the same key of the name, or the same reference within the source. A
// placeholder and a channel without name stand for no station and are never the same.
class Doppelsuche {
public:
    bool IstDoppelt(const ImportSender& sender) {
        if (sender.platzhalter || sender.name.isEmpty())
            return false;
        const bool neuerName = Neu(m_namen, Senderschluessel(sender.name));
        const bool neueReferenz = Neu(m_referenzen, sender.referenz);
        return !neuerName || !neueReferenz;
    }

private:
    // Notes the key; false when it was noted before (an empty key is always new).
    static bool Neu(QSet<QString>& menge, const QString& kennung) {
        const qsizetype vorher = menge.size();
        if (!kennung.isEmpty())
            menge.insert(kennung);
        return kennung.isEmpty() || menge.size() > vorher;
    }

    QSet<QString> m_namen;
    QSet<QString> m_referenzen;
};

// Calls `tu` with each entry the list gets, in order: the chosen channel, or nullptr for a
// number the receiver leaves free when its numbers are kept. A second or later copy of a
// station left out takes no entry; with the receiver's numbers kept its number becomes a
// free one, so that the channels after it keep theirs. Free numbers are filled only
// before a channel that follows them: none after the last.
template <typename Tu>
void FuerJedenEintrag(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool nummernBehalten,
                      bool doppelteWeglassen, Tu&& tu) {
    Doppelsuche doppelte;
    qint64 frei = 0;
    FuerJedenGewaehlten(fund, gruppeGewaehlt, [&](const ImportSender& sender, qint64 luecke) {
        frei += nummernBehalten ? luecke : 0;
        if (doppelteWeglassen && doppelte.IstDoppelt(sender)) {
            frei += nummernBehalten && sender.nummer > 0 ? 1 : 0;
            return;
        }
        for (; frei > 0; --frei)
            tu(nullptr);
        tu(&sender);
    });
}

} // namespace

BouquetDateizugriff BouquetDateienIn(const QString& ordner) {
    return [ordner](const QString& dateiname) -> std::optional<QByteArray> {
        if (!PasstZumNamen(dateiname))
            return std::nullopt;
        const QDir dir(ordner);
        QString pfad = dir.filePath(dateiname);
        if (!QFileInfo(pfad).isFile()) {
            pfad.clear();
            for (const QString& vorhanden : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
                if (vorhanden.compare(dateiname, Qt::CaseInsensitive) == 0) {
                    pfad = dir.filePath(vorhanden);
                    break;
                }
        }
        QFile datei(pfad);
        if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly))
            return std::nullopt;
        try {
            return LiesBegrenzt(datei);
        } catch (const Fehler&) {
            return std::nullopt;
        }
    };
}

ImportFund LeseImportquellen(const QStringList& pfade, const Importfortschritt& fortschritt) {
    qint64 gesamt = 0;
    for (const QString& pfad : pfade)
        gesamt += QFileInfo(pfad).isFile() ? QFileInfo(pfad).size() : 0;
    qint64 bisher = 0;
    const auto gelesen = [&](qint64 n) {
        bisher += n;
        if (fortschritt)
            fortschritt(bisher, std::max(gesamt, bisher));
    };
    // Several files of one bouquet set (all of its folder chosen) stand for the set once,
    // where the first of them stands: TV, radio or both, as the files together say.
    QList<Quelle> quellen;
    for (const QString& pfad : pfade) {
        Quelle quelle = LeseQuelle(pfad, gelesen);
        const auto gleicherSatz = std::find_if(quellen.begin(), quellen.end(), [&](const Quelle& q) {
            return !quelle.bouquetOrdner.isEmpty() && q.bouquetOrdner == quelle.bouquetOrdner;
        });
        if (gleicherSatz == quellen.end())
            quellen.append(std::move(quelle));
        else if (gleicherSatz->wahl != quelle.wahl)
            gleicherSatz->wahl = BouquetWahl::Beide;
    }
    ImportFund fund;
    for (Quelle& quelle : quellen) {
        if (!quelle.bouquetOrdner.isEmpty())
            quelle.fund = LeseBouquets(quelle.wahl, BouquetDateienIn(quelle.bouquetOrdner));
        if (quelle.fund.sender.isEmpty())
            throw Fehler(QStringLiteral("In der Datei %1 wurden keine Sender gefunden.").arg(quelle.pfad));
        HaengeFundAn(fund, std::move(quelle.fund));
    }
    return fund;
}

qsizetype GewaehlteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    qsizetype anzahl = 0;
    FuerJedenGewaehlten(fund, gruppeGewaehlt, [&](const ImportSender&, qint64) { ++anzahl; });
    return anzahl;
}

qint64 FreieNummern(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool doppelteWeglassen) {
    qint64 frei = 0;
    FuerJedenEintrag(fund, gruppeGewaehlt, true, doppelteWeglassen,
                     [&](const ImportSender* sender) { frei += sender ? 0 : 1; });
    return frei;
}

qsizetype DoppelteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    Doppelsuche doppelte;
    qsizetype anzahl = 0;
    FuerJedenGewaehlten(fund, gruppeGewaehlt,
                        [&](const ImportSender& sender, qint64) { anzahl += doppelte.IstDoppelt(sender) ? 1 : 0; });
    return anzahl;
}

QStringList ImportNamen(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool nummernBehalten,
                        bool doppelteWeglassen) {
    QStringList namen;
    FuerJedenEintrag(fund, gruppeGewaehlt, nummernBehalten, doppelteWeglassen, [&](const ImportSender* sender) {
        namen.append(!sender || sender->platzhalter ? FreierEintrag
                     : sender->name.isEmpty()       ? EintragOhneName
                                                    : sender->name);
    });
    return namen;
}

QList<QStringList> ImportLogoSchluessel(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool nummernBehalten,
                                        bool doppelteWeglassen) {
    QList<QStringList> schluessel;
    FuerJedenEintrag(fund, gruppeGewaehlt, nummernBehalten, doppelteWeglassen, [&](const ImportSender* sender) {
        schluessel.append(!sender || sender->platzhalter ? QStringList() : sender->logoSchluessel);
    });
    return schluessel;
}

} // namespace senvio
