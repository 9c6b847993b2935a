#include "import/Import.h"

#include "import/Bouquets.h"
#include "import/Fernseher.h"
#include "import/Kanaldatei.h"
#include "import/Referenzliste.h"
#include "import/Wiedergabeliste.h"
#include "list/Doppelte.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {

constexpr qint64 Happen = qint64(4) << 20;

Fehler ZuGross(const QString& pfad) {
    return Fehler(QStringLiteral("Die Datei %1 ist größer als 256 MiB und wird nicht eingelesen.").arg(pfad));
}

QString KeineNormaleDatei(const QString& pfad) {
    return QStringLiteral("Die Datei %1 ist keine normale Datei.").arg(pfad);
}

// What opening a file gave: 0 when it is open, else the error number of the system, or
// KeinNormalerTyp.
constexpr int KeinNormalerTyp = -1;

// Opens a regular file only, and without waiting: open() of a FIFO waits for a writer,
// and the window reads on its own thread. Checked on the open file, so nothing can be
// put in the file's place between a look and the opening.
int OeffneNormaleDatei(QFile& datei, const QString& pfad) {
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return KeinNormalerTyp;
    }
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
}

// The whole file, read in pieces; nothing when it holds more than the limit.
std::optional<QByteArray> LiesBegrenzt(QFile& datei, const QString& pfad,
                                       const std::function<void(qint64)>& gelesen = {}) {
    QByteArray bytes;
    bytes.reserve(std::min(datei.size(), GroessteImportdatei) + Happen);
    for (;;) {
        const qint64 anfang = bytes.size();
        bytes.resize(anfang + Happen);
        const qint64 n = datei.read(bytes.data() + anfang, Happen);
        bytes.resize(anfang + std::max<qint64>(n, 0));
        if (n < 0)
            throw DateiFehler::NichtGeoeffnet(pfad, EIO);
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

// The folder of a bouquet set. A set names its files in any letter case: the folder is
// listed once for all names not found as they stand (a set of thousands of bouquets
// would list it once each), regular files only, so another spelling never finds a FIFO.
class Bouquetordner {
public:
    explicit Bouquetordner(const QString& ordner) : m_ordner(ordner), m_echt(QFileInfo(ordner).canonicalFilePath()) {}

    // Only a regular file whose real path lies inside the folder: a link leads nowhere else.
    Bouquetinhalt Lies(const QString& dateiname) {
        const QString pfad = PasstZumNamen(dateiname) ? Pfad(dateiname) : QString();
        const QString echt = pfad.isEmpty() ? QString() : QFileInfo(pfad).canonicalFilePath();
        if (echt.isEmpty())
            return {};
        if (m_echt.isEmpty() || !echt.startsWith(m_echt.endsWith(u'/') ? m_echt : m_echt + u'/'))
            return {std::nullopt,
                    QStringLiteral("Die Datei %1 verweist auf %2 außerhalb des Ordners.").arg(pfad, echt)};
        QFile datei;
        const int fehler = OeffneNormaleDatei(datei, echt);
        if (fehler)
            return {std::nullopt, fehler == KeinNormalerTyp
                                      ? KeineNormaleDatei(pfad)
                                      : DateiFehler::NichtGeoeffnet(pfad, fehler).meldung() + u'.'};
        try {
            if (std::optional<QByteArray> bytes =
                    datei.size() <= GroessteImportdatei ? LiesBegrenzt(datei, pfad) : std::nullopt)
                return bytes;
            return {std::nullopt, DateiFehler::NichtGeoeffnet(pfad, EFBIG).meldung() + u'.'};
        } catch (const Fehler& f) {
            return {std::nullopt, f.meldung() + u'.'};
        }
    }

private:
    QString Pfad(const QString& dateiname) {
        const QString genau = m_ordner.filePath(dateiname);
        if (QFileInfo::exists(genau))
            return genau;
        if (!m_namen) {
            m_namen.emplace();
            // Sorted by name, as before: of two spellings the same one is found each time.
            for (const QString& name : m_ordner.entryList(QDir::Files | QDir::Hidden))
                if (const QString gefaltet = name.toCaseFolded(); !m_namen->contains(gefaltet))
                    m_namen->insert(gefaltet, name);
        }
        const QString name = m_namen->value(dateiname.toCaseFolded());
        return name.isEmpty() ? QString() : m_ordner.filePath(name);
    }

    QDir m_ordner;
    QString m_echt;                                 // the folder's real path
    std::optional<QHash<QString, QString>> m_namen; // case-folded name to the name in the folder
};


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

// The bouquet a receiver fills with its last channel search: all it found, not a choice.
bool IstSuchlaufBouquet(const ImportGruppe& gruppe) {
    const auto ohneLeerzeichen = [](QString text) { return text.remove(u' ').toCaseFolded(); };
    return ohneLeerzeichen(gruppe.name) == u"lastscanned" || gruppe.datei.contains(u"lastscanned", Qt::CaseInsensitive);
}

// A set chosen whole: every bouquet but the scan bouquet and those of a whole satellite, as
// long as any is left.
void WaehleGanzenSatzVor(ImportFund& fund) {
    const auto abwaehlen = [](const ImportGruppe& g) {
        return IstSuchlaufBouquet(g) || g.anzahl > GroessteVorgewaehlteGruppe;
    };
    if (std::all_of(fund.gruppen.begin(), fund.gruppen.end(), abwaehlen))
        return;
    for (ImportGruppe& gruppe : fund.gruppen)
        gruppe.vorgewaehlt = !abwaehlen(gruppe);
}

// Ticks only the chosen single bouquets of a set; all when none of its groups is one.
void WaehleBouquetsVor(Quelle& quelle) {
    if (quelle.bouquets.isEmpty()) {
        WaehleGanzenSatzVor(quelle.fund);
        return;
    }
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

// A playlist saved by an editor as UTF-16, or with its byte-order mark doubled: read as UTF-8.
QByteArray OhneByteReihenfolge(const QByteArray& bytes) {
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xFF\xFE") || rest.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(rest.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return OhneByteReihenfolge(QString(utf16.decode(rest.sliced(2))).toUtf8());
    }
    if (!rest.startsWith("\xEF\xBB\xBF"))
        return bytes;
    while (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    return rest.toByteArray();
}

// `philips`: the folder of a Philips TV's list the path stands for (PhilipsOrdner), or empty.
Quelle LeseQuelle(const QString& pfad, const QString& philips, const std::function<void(qint64)>& gelesen) {
    const QFileInfo info(pfad);
    // A Philips TV's list is a folder of files: any of them, or the folder, stands for it.
    if (!philips.isEmpty())
        return {pfad, {}, {}, LesePhilipsOrdner(philips), {}};
    if (info.isDir())
        return {pfad, QDir::cleanPath(info.absoluteFilePath()), BouquetWahl::Beide, {}, {}};
    QFile datei;
    if (const int fehler = OeffneNormaleDatei(datei, pfad); fehler == KeinNormalerTyp)
        throw Fehler(KeineNormaleDatei(pfad));
    else if (fehler)
        throw DateiFehler::NichtGeoeffnet(pfad, fehler);
    if (datei.size() > GroessteImportdatei)
        throw ZuGross(pfad);
    const std::optional<QByteArray> bytes = LiesBegrenzt(datei, pfad, gelesen);
    if (!bytes)
        throw ZuGross(pfad);
    if (AnfangsZeilen(*bytes, 1).isEmpty())
        throw Fehler(QStringLiteral("Die Datei %1 ist leer.").arg(pfad));
    const QString name = info.fileName();
    if (std::optional<ImportFund> fernseher = LeseFernsehliste(*bytes, pfad))
        return {pfad, {}, {}, std::move(*fernseher), {}};
    if (IstBouquetDatei(*bytes))
        return {pfad,
                QDir::cleanPath(info.absolutePath()),
                BouquetWahlDerDatei(name),
                {},
                IstEinzelnesBouquet(name) ? QStringList{name} : QStringList()};
    if (const QByteArray utf8 = OhneByteReihenfolge(*bytes); IstWiedergabeliste(utf8))
        return {pfad, {}, {}, LeseWiedergabeliste(utf8, name), {}};
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
    return sender.radio || (gruppe && gruppe->radio);
}

// A TV's list counts from 1, and so does a bouquet set: the numbers before its first channel
// are free ones too.
bool ZaehltAbEins(const ImportFund& fund, const ImportSender& sender) {
    const ImportGruppe* gruppe = GruppeDes(fund, sender);
    return gruppe && (gruppe->eigeneListe || !gruppe->datei.isEmpty());
}

// The receiver's number of the channel: with each bouquet counted from 1, its number in its bouquet.
int NummerDes(const ImportSender& sender, bool bouquetAbEins) {
    return bouquetAbEins && sender.nummerImBouquet > 0 ? sender.nummerImBouquet : sender.nummer;
}

enum class Art { Alle, Fernsehen, Radio };

// Calls `tu` with each chosen channel of the kind in the receiver's order and the
// numbers the receiver leaves free before it: where it and the channel taken before
// both carry the receiver's number and it lies 2 to 1000 above the other, the numbers
// between.
template <typename Tu>
void FuerJedenGewaehlten(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, Art art, Tu&& tu,
                         bool bouquetAbEins = false) {
    int vorige = 0;      // the receiver's number of the channel taken before, 0 for none
    bool erster = true;  // before the first channel taken
    bool luecken = true; // false once the list cannot carry the numbers of the remote
    for (const ImportSender& sender : fund.sender) {
        if (!IstGewaehlt(sender, gruppeGewaehlt) || (art != Art::Alle && IstRadio(fund, sender) != (art == Art::Radio)))
            continue;
        const bool abEins = erster && ZaehltAbEins(fund, sender);
        erster = false;
        const int nummer = NummerDes(sender, bouquetAbEins);
        const qint64 abstand = (vorige > 0 || abEins) && nummer > 0 ? qint64(nummer) - vorige : 0;
        // A TV's list that starts far above 1 (IP channels from 4000) starts at 1 on the card
        // all the same: free numbers later in it would only add empty cards.
        luecken = luecken && !(abEins && abstand > 1000);
        tu(sender, luecken && abstand > 1 && abstand <= 1000 ? abstand - 1 : 0);
        vorige = nummer;
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

// Calls `tu` with each chosen channel that gets an entry, in order, and the numbers the
// receiver leaves free before it when its numbers are kept. A copy left out takes no
// entry; with the receiver's numbers kept its number becomes a free one, so that the
// channels after it keep theirs. Free numbers are filled only before a channel that
// follows them: none after the last.
template <typename Tu>
void FuerJedenEintrag(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen,
                      Art art, Tu&& tu) {
    Doppelsuche doppelte(fund);
    qint64 frei = 0;
    FuerJedenGewaehlten(
        fund, gruppeGewaehlt, art,
        [&](const ImportSender& sender, qint64 luecke) {
            frei += optionen.nummernBehalten ? luecke : 0;
            if (optionen.doppelteWeglassen && doppelte.IstDoppelt(sender)) {
                frei += optionen.nummernBehalten && sender.nummer > 0 ? 1 : 0;
                return;
            }
            tu(sender, frei);
            frei = 0;
        },
        optionen.bouquetAbEins);
}

// The receiver's numbers are kept in a list of this kind only while the free numbers
// leave it at most GroessteListeMitLuecken entries: counted, not filled.
bool LueckenPassen(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, ImportOptionen optionen, Art art) {
    // Without a receiver's number (a plain playlist) there is no gap: nothing to count.
    if (std::none_of(fund.sender.begin(), fund.sender.end(), [](const ImportSender& s) { return s.nummer > 0; }))
        return true;
    optionen.nummernBehalten = true;
    qint64 eintraege = 0, frei = 0;
    FuerJedenEintrag(fund, gruppeGewaehlt, optionen, art, [&](const ImportSender&, qint64 davor) {
        ++eintraege;
        frei += davor;
    });
    return frei == 0 || eintraege + frei <= GroessteListeMitLuecken;
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
    FuerJedenEintrag(fund, gruppeGewaehlt, optionen, art, [&](const ImportSender& sender, qint64 frei) {
        for (; frei > 0; --frei)
            eintraege.append({FreierEintrag, {}, {}});
        if (sender.platzhalter)
            eintraege.append({FreierEintrag, {}, {}});
        else
            eintraege.append({Eintragsname(sender), sender.logoSchluessel, sender.referenz, IstRadio(fund, sender)});
    });
    return eintraege;
}

} // namespace

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

BouquetDateizugriff BouquetDateienIn(const QString& ordner) {
    return [satz = std::make_shared<Bouquetordner>(ordner)](const QString& dateiname) { return satz->Lies(dateiname); };
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
    QStringList philipsOrdner; // read once, however many of their files are chosen
    for (const QString& pfad : pfade) {
        const QString philips = PhilipsOrdner(pfad);
        if (!philips.isEmpty()) {
            if (philipsOrdner.contains(philips))
                continue;
            philipsOrdner.append(philips);
        }
        Quelle quelle = LeseQuelle(pfad, philips, gelesen);
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
    for (const QString& pfad : pfade)
        fund.quellen.append(QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()));
    for (Quelle& quelle : quellen) {
        if (!quelle.bouquetOrdner.isEmpty()) {
            quelle.fund = LeseBouquets(quelle.wahl, BouquetDateienIn(quelle.bouquetOrdner));
            WaehleBouquetsVor(quelle);
        }
        // The notes say why: a set without its bouquets.tv, a bouquet that cannot be read.
        if (quelle.fund.sender.isEmpty())
            throw Fehler(QStringList(QStringList{(QFileInfo(quelle.pfad).isDir()
                                                      ? QStringLiteral("Im Ordner %1 wurden keine Sender gefunden.")
                                                      : QStringLiteral("In der Datei %1 wurden keine Sender gefunden."))
                                                     .arg(quelle.pfad)} +
                                     quelle.fund.hinweise)
                             .join(u'\n'));
        HaengeFundAn(fund, std::move(quelle.fund));
    }
    if (const auto lange = std::count_if(fund.sender.begin(), fund.sender.end(),
                                         [](const ImportSender& s) { return GekuerzterName(s.name); }))
        fund.hinweise.append(lange == 1
                                 ? QStringLiteral("Ein Sendername war länger als 1.000 Zeichen und wurde gekürzt.")
                                 : QStringLiteral("%1 Sendernamen waren länger als 1.000 Zeichen und wurden "
                                                  "gekürzt.")
                                       .arg(lange));
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
        const bool istRadio = IstRadio(fund, sender);
        fernsehen = fernsehen || !istRadio;
        radio = radio || (istRadio && gruppe && gruppe->eigeneZaehlung);
        if (fernsehen && radio)
            return true;
    }
    return false;
}

QString RadiolistenName(const QString& listenName) {
    return listenName + QStringLiteral(" Radio");
}

bool HatBouquets(const ImportFund& fund) {
    return std::any_of(fund.sender.begin(), fund.sender.end(),
                       [](const ImportSender& s) { return s.nummerImBouquet > 0; });
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

Eintragszahl ZaehleEintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                             const ImportOptionen& optionen) {
    Eintragszahl zahl;
    for (const Art art : Listenarten(fund, gruppeGewaehlt, optionen)) {
        ImportOptionen diese = optionen;
        diese.nummernBehalten = optionen.nummernBehalten && LueckenPassen(fund, gruppeGewaehlt, optionen, art);
        qint64& anzahl = art == Art::Radio ? zahl.radio : zahl.liste;
        FuerJedenEintrag(fund, gruppeGewaehlt, diese, art,
                         [&](const ImportSender&, qint64 frei) { anzahl += 1 + frei; });
    }
    return zahl;
}

Importlisten ImportEintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                             const ImportOptionen& optionen) {
    const std::vector<Art> arten = Listenarten(fund, gruppeGewaehlt, optionen);
    Importlisten listen;
    bool passen = true;
    for (const Art art : arten) {
        ImportOptionen diese = optionen;
        const bool passt = !optionen.nummernBehalten || LueckenPassen(fund, gruppeGewaehlt, optionen, art);
        diese.nummernBehalten = optionen.nummernBehalten && passt;
        passen = passen && passt;
        (art == Art::Radio ? listen.radio : listen.liste) = Eintraege(fund, gruppeGewaehlt, diese, art);
    }
    if (!passen)
        listen.hinweise.append(LueckenHinweis(fund, gruppeGewaehlt, optionen));
    return listen;
}

QString LueckenHinweis(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen) {
    for (const Art art : Listenarten(fund, gruppeGewaehlt, optionen))
        if (!LueckenPassen(fund, gruppeGewaehlt, optionen, art))
            return QStringLiteral(
                "Die Nummern des Empfängers haben zu große Lücken; die Liste wird ohne Lücken nummeriert.");
    return {};
}

qint64 FreieNummern(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen) {
    ImportOptionen mitNummern = optionen;
    mitNummern.nummernBehalten = true;
    qint64 frei = 0;
    for (const Art art : Listenarten(fund, gruppeGewaehlt, optionen))
        if (LueckenPassen(fund, gruppeGewaehlt, optionen, art))
            FuerJedenEintrag(fund, gruppeGewaehlt, mitNummern, art,
                             [&](const ImportSender&, qint64 davor) { frei += davor; });
    return frei;
}

QStringList GruppenUebersicht(const ImportFund& fund) {
    QList<qsizetype> tv(fund.gruppen.size(), 0), radio(fund.gruppen.size(), 0);
    for (const ImportSender& sender : fund.sender)
        for (const int gruppe : sender.gruppen)
            if (!sender.platzhalter && gruppe >= 0 && gruppe < fund.gruppen.size())
                ++(IstRadio(fund, sender) ? radio : tv)[gruppe];
    QStringList zeilen;
    for (qsizetype i = 0; i < fund.gruppen.size(); ++i)
        zeilen.append(QStringLiteral("%1: %2 TV, %3 Radio")
                          .arg(fund.gruppen[i].name.isEmpty() ? QStringLiteral("(ohne Namen)") : fund.gruppen[i].name)
                          .arg(tv[i])
                          .arg(radio[i]));
    return zeilen;
}

QString GruppenwahlFehler(const ImportFund& fund, const QList<bool>& gruppeGewaehlt) {
    QStringList listen;
    for (qsizetype i = 0; i < fund.gruppen.size() && i < gruppeGewaehlt.size(); ++i)
        if (gruppeGewaehlt[i] && fund.gruppen[i].eigeneListe)
            listen.append(QStringLiteral("„%1“").arg(fund.gruppen[i].name));
    if (listen.size() < 2)
        return {};
    const QString letzte = listen.takeLast();
    return QStringLiteral("Die Gruppen %1 und %2 sind Listen des Fernsehers, die jede bei 1 beginnen; in einer "
                          "Senvio-Liste stimmten ihre Nummern nicht mehr mit der Fernbedienung überein. Bitte "
                          "wählen Sie nur eine davon.")
        .arg(listen.join(QStringLiteral(", ")), letzte);
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
