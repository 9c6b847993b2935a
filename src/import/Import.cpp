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
#include <vector>

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
    // Of a set: the single bouquet files chosen, which alone are ticked at first; none
    // when the folder, a top file or the database was chosen (all ticked).
    QStringList bouquets;
};

// Ticks only the chosen single bouquets of a set; all when none of its groups is one.
void WaehleBouquetsVor(Quelle& quelle) {
    if (quelle.bouquets.isEmpty())
        return;
    bool eines = false;
    for (ImportGruppe& gruppe : quelle.fund.gruppen) {
        gruppe.vorgewaehlt = quelle.bouquets.contains(gruppe.datei, Qt::CaseInsensitive);
        eines = eines || gruppe.vorgewaehlt;
    }
    if (eines)
        return;
    for (ImportGruppe& gruppe : quelle.fund.gruppen)
        gruppe.vorgewaehlt = true;
    quelle.fund.hinweise.append(
        QStringLiteral("Das gewählte Bouquet wird in „bouquets.tv“ und „bouquets.radio“ nicht genannt; "
                       "alle Bouquets sind gewählt."));
}

Quelle LeseQuelle(const QString& pfad, const std::function<void(qint64)>& gelesen) {
    const QFileInfo info(pfad);
    if (info.isDir())
        return {pfad, QDir::cleanPath(info.absoluteFilePath()), BouquetWahl::Beide, {}, {}};
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw DateiFehler::NichtGeoeffnet(pfad);
    if (datei.size() > GroessteImportdatei)
        throw ZuGross(pfad);
    const std::optional<QByteArray> bytes = LiesBegrenzt(datei, gelesen);
    if (!bytes)
        throw ZuGross(pfad);
    if (AnfangsZeilen(*bytes, 1).isEmpty())
        throw Fehler(QStringLiteral("Die Datei %1 ist leer.").arg(pfad));
    const QString name = info.fileName();
    if (IstBouquetDatei(*bytes))
        return {pfad,
                QDir::cleanPath(info.absolutePath()),
                BouquetWahlDerDatei(name),
                {},
                IstEinzelnesBouquet(name) ? QStringList{name} : QStringList()};
    if (IstWiedergabeliste(*bytes))
        return {pfad, {}, {}, LeseWiedergabeliste(*bytes, name), {}};
    if (IstKanaldatei(*bytes))
        return {pfad, {}, {}, LeseKanaldatei(*bytes, name), {}};
    if (IstReferenzliste(*bytes))
        return {pfad, {}, {}, LeseReferenzliste(*bytes, name), {}};
    throw Fehler(QStringLiteral("Das Format der Datei %1 ist unbekannt.").arg(pfad));
}

bool IstGewaehlt(const ImportSender& sender, const QList<bool>& gruppeGewaehlt) {
    for (int gruppe : sender.gruppen)
        if (gruppe >= 0 && gruppe < gruppeGewaehlt.size() && gruppeGewaehlt[gruppe])
            return true;
    return false;
}

// The kind of a channel is its group's: a playlist entry of several groups names
// groups of one kind.
const ImportGruppe* GruppeDes(const ImportFund& fund, const ImportSender& sender) {
    const int gruppe = sender.gruppen.value(0, -1);
    return gruppe >= 0 && gruppe < fund.gruppen.size() ? &fund.gruppen[gruppe] : nullptr;
}

bool IstRadio(const ImportFund& fund, const ImportSender& sender) {
    const ImportGruppe* gruppe = GruppeDes(fund, sender);
    return gruppe && gruppe->radio;
}

enum class Art { Alle, Fernsehen, Radio };

// Calls `tu` with each chosen channel of the kind in the receiver's order and the
// numbers the receiver leaves free before it: where it and the channel taken before
// both carry the receiver's number and it lies 2 to 1000 above the other, the numbers
// between.
template <typename Tu>
void FuerJedenGewaehlten(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, Art art, Tu&& tu) {
    int vorige = 0; // the receiver's number of the channel taken before, 0 for none
    for (const ImportSender& sender : fund.sender) {
        if (!IstGewaehlt(sender, gruppeGewaehlt) || (art != Art::Alle && IstRadio(fund, sender) != (art == Art::Radio)))
            continue;
        const qint64 abstand = vorige > 0 && sender.nummer > 0 ? qint64(sender.nummer) - vorige : 0;
        tu(sender, abstand > 1 && abstand <= 1000 ? abstand - 1 : 0);
        vorige = sender.nummer;
    }
}

// Tells, channel by channel in the order taken, whether an earlier one is the same
// service: the same reference and the same kind. A placeholder and a channel without
// reference are never the same as another.
class Doppelsuche {
public:
    explicit Doppelsuche(const ImportFund& fund) : m_fund(fund) { m_referenzen[0].reserve(fund.sender.size()); }

    bool IstDoppelt(const ImportSender& sender) {
        if (sender.platzhalter || sender.referenz.isEmpty())
            return false;
        QSet<QStringView>& gesehen = m_referenzen[IstRadio(m_fund, sender) ? 1 : 0];
        const qsizetype vorher = gesehen.size();
        gesehen.insert(sender.referenz);
        return gesehen.size() == vorher;
    }

private:
    const ImportFund& m_fund;
    QSet<QStringView> m_referenzen[2]; // views of the fund's references: nothing copied
};

// Calls `tu` with each entry the list gets, in order: the chosen channel, or nullptr for a
// number the receiver leaves free when its numbers are kept. A copy left out takes no
// entry; with the receiver's numbers kept its number becomes a free one, so that the
// channels after it keep theirs. Free numbers are filled only before a channel that
// follows them: none after the last.
template <typename Tu>
void FuerJedenEintrag(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen,
                      Art art, Tu&& tu) {
    Doppelsuche doppelte(fund);
    qint64 frei = 0;
    FuerJedenGewaehlten(fund, gruppeGewaehlt, art, [&](const ImportSender& sender, qint64 luecke) {
        frei += optionen.nummernBehalten ? luecke : 0;
        if (optionen.doppelteWeglassen && doppelte.IstDoppelt(sender)) {
            frei += optionen.nummernBehalten && sender.nummer > 0 ? 1 : 0;
            return;
        }
        for (; frei > 0; --frei)
            tu(nullptr);
        tu(&sender);
    });
}

// The name a channel's entry gets: one without a letter or digit ("....." of a cable
// router) names nothing.
QString Eintragsname(const ImportSender& sender) {
    const bool nenntEtwas =
        std::any_of(sender.name.begin(), sender.name.end(), [](QChar z) { return z.isLetterOrNumber(); });
    return nenntEtwas ? sender.name : EintragOhneName;
}

QList<ImportEintrag> Eintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                               const ImportOptionen& optionen, Art art) {
    QList<ImportEintrag> eintraege;
    FuerJedenEintrag(fund, gruppeGewaehlt, optionen, art, [&](const ImportSender* sender) {
        if (!sender || sender->platzhalter)
            eintraege.append({FreierEintrag, {}, {}});
        else
            eintraege.append({Eintragsname(*sender), sender->logoSchluessel, sender->referenz});
    });
    return eintraege;
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
        if (gleicherSatz == quellen.end()) {
            quellen.append(std::move(quelle));
            continue;
        }
        if (gleicherSatz->wahl != quelle.wahl)
            gleicherSatz->wahl = BouquetWahl::Beide;
        // The whole set chosen with a single bouquet of it: all are ticked.
        if (gleicherSatz->bouquets.isEmpty() || quelle.bouquets.isEmpty())
            gleicherSatz->bouquets.clear();
        else
            gleicherSatz->bouquets += quelle.bouquets;
    }
    ImportFund fund;
    for (Quelle& quelle : quellen) {
        if (!quelle.bouquetOrdner.isEmpty()) {
            quelle.fund = LeseBouquets(quelle.wahl, BouquetDateienIn(quelle.bouquetOrdner));
            WaehleBouquetsVor(quelle);
        }
        if (quelle.fund.sender.isEmpty())
            throw Fehler((QFileInfo(quelle.pfad).isDir()
                              ? QStringLiteral("Im Ordner %1 wurden keine Sender gefunden.")
                              : QStringLiteral("In der Datei %1 wurden keine Sender gefunden."))
                             .arg(quelle.pfad));
        HaengeFundAn(fund, std::move(quelle.fund));
    }
    return fund;
}

qsizetype GewaehlteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    qsizetype anzahl = 0;
    FuerJedenGewaehlten(fund, gruppeGewaehlt, Art::Alle, [&](const ImportSender&, qint64) { ++anzahl; });
    return anzahl;
}

bool RadioEigeneListeMoeglich(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    bool fernsehen = false, radio = false;
    for (const ImportSender& sender : fund.sender) {
        if (!IstGewaehlt(sender, gruppeGewaehlt))
            continue;
        const ImportGruppe* gruppe = GruppeDes(fund, sender);
        fernsehen = fernsehen || !gruppe || !gruppe->radio;
        radio = radio || (gruppe && gruppe->radio && gruppe->eigeneZaehlung);
        if (fernsehen && radio)
            return true;
    }
    return false;
}

QString RadiolistenName(const QString& listenName) {
    return listenName + QStringLiteral(" Radio");
}

QList<bool> VorgewaehlteGruppen(const ImportFund& fund) {
    QList<bool> wahl;
    for (const ImportGruppe& gruppe : fund.gruppen)
        wahl.append(gruppe.vorgewaehlt);
    return wahl;
}

// The kinds that make a list each: all together, or TV and radio apart.
std::vector<Art> Listenarten(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                             const ImportOptionen& optionen) {
    if (optionen.radioEigeneListe && RadioEigeneListeMoeglich(fund, gruppeGewaehlt))
        return {Art::Fernsehen, Art::Radio};
    return {Art::Alle};
}

Importlisten ImportEintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                             const ImportOptionen& optionen) {
    const std::vector<Art> arten = Listenarten(fund, gruppeGewaehlt, optionen);
    Importlisten listen{Eintraege(fund, gruppeGewaehlt, optionen, arten.front()), {}};
    if (arten.size() > 1)
        listen.radio = Eintraege(fund, gruppeGewaehlt, optionen, arten.back());
    return listen;
}

qint64 FreieNummern(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen) {
    ImportOptionen mitNummern = optionen;
    mitNummern.nummernBehalten = true;
    qint64 frei = 0;
    for (const Art art : Listenarten(fund, gruppeGewaehlt, optionen))
        FuerJedenEintrag(fund, gruppeGewaehlt, mitNummern, art,
                         [&](const ImportSender* sender) { frei += sender ? 0 : 1; });
    return frei;
}

QStringList DoppelteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    Doppelsuche doppelte(fund);
    QStringList namen;
    FuerJedenGewaehlten(fund, gruppeGewaehlt, Art::Alle, [&](const ImportSender& sender, qint64) {
        if (doppelte.IstDoppelt(sender))
            namen.append(Eintragsname(sender));
    });
    return namen;
}

} // namespace senvio
