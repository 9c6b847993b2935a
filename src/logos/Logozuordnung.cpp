#include "logos/Logozuordnung.h"

#include "list/Logoschluessel.h"
#include "logos/Logogruppen.h"
#include "nebenlauf/GeordneteArbeit.h"
#include "view/PngBild.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <vector>

namespace senvio {

namespace {

const QString SenderLogosGruppe = QStringLiteral("Sender-Logos");

enum class Bildbefund : quint8 { Ungeprueft, Lesbar, Beschaedigt };

// What is known of a file's bytes: its size from the directory, then a hash of the
// whole file, each found on first need. A size of -1 means the file cannot be read.
// Whether it decodes is found on first need as well.
struct Inhalt {
    bool groesseBekannt = false;
    qint64 groesse = -1;
    QByteArray hash; // empty until read
    Bildbefund bild = Bildbefund::Ungeprueft;
};

// The file name without folder and extension, composed.
QString Basisname(const QString& pfad) {
    const QString name = pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return (punkt >= 0 ? name.left(punkt) : name).normalized(QString::NormalizationForm_C);
}

// True when both keys of the same length differ in exactly one place.
bool EinZeichenAnders(const QString& a, const QString& b) {
    int anders = 0;
    for (qsizetype i = 0; i < a.size() && anders < 2; ++i)
        anders += a[i] != b[i];
    return anders == 1;
}

} // namespace

struct Logobestand::Index {
    // The Vergleichsform of each base name, for the keys an import brings.
    QHash<QString, QList<int>> basisnamen;
    // Every distinct name key of the files, with the files that carry it (in order).
    QStringList schluessel;
    QList<QList<int>> dateienDes;
    QHash<QString, int> nummerDes;
    // The key numbers in key order, so the keys that start with a text form one range.
    std::vector<int> sortiert;
    // Each key of at least six characters with one character taken out, in every place:
    // two keys one character apart meet here (or one is the other's entry there).
    QHash<QString, QList<int>> ohneEinZeichen;
    // Each key, and each reading of it without a quality ending, with the key numbers:
    // "brhd" is found under "brhd" and "br".
    QHash<QString, QList<int>> staemme;

    QMutex sperre;
    std::vector<Inhalt> inhalte;
    int beschaedigte = 0;

    void NimmAuf(const QString& key, int datei) {
        if (key.isEmpty())
            return;
        const auto it = nummerDes.constFind(key);
        if (it != nummerDes.cend()) {
            QList<int>& liste = dateienDes[*it];
            if (liste.last() != datei)
                liste << datei;
            return;
        }
        nummerDes.insert(key, int(schluessel.size()));
        schluessel << key;
        dateienDes << QList<int>{datei};
    }

    void BaueAehnlichkeiten() {
        sortiert.resize(schluessel.size());
        for (int i = 0; i < int(sortiert.size()); ++i)
            sortiert[i] = i;
        std::sort(sortiert.begin(), sortiert.end(), [&](int a, int b) { return schluessel[a] < schluessel[b]; });
        for (int nummer = 0; nummer < int(schluessel.size()); ++nummer) {
            const QString& key = schluessel[nummer];
            if (key.size() < 6)
                continue;
            for (qsizetype i = 0; i < key.size(); ++i) {
                // A doubled letter gives the same key twice.
                if (i > 0 && key[i] == key[i - 1])
                    continue;
                ohneEinZeichen[QString(key).remove(i, 1)] << nummer;
            }
        }
        for (int nummer = 0; nummer < int(schluessel.size()); ++nummer) {
            staemme[schluessel[nummer]] << nummer;
            for (const QString& stamm : OhneQualitaetsendungen(schluessel[nummer]))
                staemme[stamm] << nummer;
        }
    }
};

Logobestand::Logobestand(QList<Logodatei> dateien) : m_dateien(std::move(dateien)), m_index(new Index) {
    Index& index = *m_index;
    index.inhalte.resize(m_dateien.size());
    for (int d = 0; d < int(m_dateien.size()); ++d) {
        const QString basis = Basisname(m_dateien[d].pfad);
        if (basis.isEmpty())
            continue;
        index.basisnamen[Vergleichsform(basis)] << d;
        index.NimmAuf(KlassischerSchluessel(basis), d);
        index.NimmAuf(DeutscherSchluessel(basis), d);
        index.NimmAuf(SchluesselOhneUmlaute(basis), d);
    }
    index.BaueAehnlichkeiten();
}

Logobestand::~Logobestand() = default;
Logobestand::Logobestand(Logobestand&&) noexcept = default;
Logobestand& Logobestand::operator=(Logobestand&&) noexcept = default;

bool Logobestand::GleicherInhalt(int a, int b) const {
    if (a == b)
        return true;
    QMutexLocker halt(&m_index->sperre);
    auto groesse = [&](int d) -> qint64 {
        Inhalt& inhalt = m_index->inhalte[d];
        if (!inhalt.groesseBekannt) {
            const QFileInfo info(m_dateien[d].pfad);
            inhalt.groesse = info.isFile() ? info.size() : -1;
            inhalt.groesseBekannt = true;
        }
        return inhalt.groesse;
    };
    auto hash = [&](int d) -> const QByteArray& {
        Inhalt& inhalt = m_index->inhalte[d];
        if (inhalt.hash.isEmpty() && inhalt.groesse >= 0) {
            QFile datei(m_dateien[d].pfad);
            QCryptographicHash rechner(QCryptographicHash::Sha256);
            if (datei.open(QIODevice::ReadOnly) && rechner.addData(&datei))
                inhalt.hash = rechner.result();
            else
                inhalt.groesse = -1;
        }
        return inhalt.hash;
    };
    const qint64 ga = groesse(a);
    if (ga < 0 || ga != groesse(b))
        return false;
    const QByteArray ha = hash(a);
    const QByteArray& hb = hash(b);
    return !ha.isEmpty() && ha == hb;
}

bool Logobestand::Lesbar(int datei) const {
    Inhalt& inhalt = m_index->inhalte[datei];
    {
        QMutexLocker halt(&m_index->sperre);
        if (inhalt.bild != Bildbefund::Ungeprueft)
            return inhalt.bild == Bildbefund::Lesbar;
    }
    // Decoded outside the lock, so that the entries are decided on every core; two
    // threads that ask at once both decode, and the file is counted once.
    const bool lesbar = !LesePngDatei(m_dateien[datei].pfad).isNull();
    QMutexLocker halt(&m_index->sperre);
    if (inhalt.bild == Bildbefund::Ungeprueft) {
        inhalt.bild = lesbar ? Bildbefund::Lesbar : Bildbefund::Beschaedigt;
        m_index->beschaedigte += lesbar ? 0 : 1;
    }
    return inhalt.bild == Bildbefund::Lesbar;
}

int Logobestand::Beschaedigte() const {
    QMutexLocker halt(&m_index->sperre);
    return m_index->beschaedigte;
}

QList<int> Logobestand::BeschaedigteDateien() const {
    QMutexLocker halt(&m_index->sperre);
    QList<int> dateien;
    for (int d = 0; d < int(m_index->inhalte.size()); ++d)
        if (m_index->inhalte[d].bild == Bildbefund::Beschaedigt)
            dateien.append(d);
    return dateien;
}

namespace {

bool InSenderLogos(const Logobestand& bestand, int datei) {
    return bestand.Dateien()[datei].gruppe == SenderLogosGruppe;
}

// Up to three readable files of the candidates in their order, each unlike those taken
// before; a copy in "Sender-Logos" gives way to a group's file of the same content found
// later. A file like one taken is readable too: only the others are decoded.
QList<Logovorschlag> Verschiedene(const Logobestand& bestand, const std::vector<Logovorschlag>& kandidaten) {
    QList<Logovorschlag> vorschlaege;
    for (const Logovorschlag& kandidat : kandidaten) {
        const auto gleich = std::find_if(vorschlaege.begin(), vorschlaege.end(), [&](const Logovorschlag& v) {
            return bestand.GleicherInhalt(v.datei, kandidat.datei);
        });
        if (gleich != vorschlaege.end()) {
            if (InSenderLogos(bestand, gleich->datei) && !InSenderLogos(bestand, kandidat.datei))
                gleich->datei = kandidat.datei;
        } else if (bestand.Lesbar(kandidat.datei)) {
            vorschlaege << kandidat;
            if (vorschlaege.size() == 3)
                break;
        }
    }
    return vorschlaege;
}

std::vector<Logovorschlag> Kandidaten(const std::vector<int>& dateien, Logogrund grund) {
    std::vector<Logovorschlag> kandidaten;
    for (const int datei : dateien)
        kandidaten.push_back({datei, grund});
    return kandidaten;
}

// What the readable files a rule found (sorted, distinct, at least one) decide: one
// file, or files all alike, are taken, preferring a group's file to a copy in
// "Sender-Logos"; several different ones are offered.
Logoentscheidung Entscheide(const Logobestand& bestand, const std::vector<int>& dateien, Logogrund grund) {
    const bool alleGleich = std::all_of(dateien.begin() + 1, dateien.end(),
                                        [&](int d) { return bestand.GleicherInhalt(dateien.front(), d); });
    if (!alleGleich)
        return {false, Verschiedene(bestand, Kandidaten(dateien, grund))};
    const auto ausGruppe =
        std::find_if(dateien.begin(), dateien.end(), [&](int d) { return !InSenderLogos(bestand, d); });
    return {true, {Logovorschlag{ausGruppe != dateien.end() ? *ausGruppe : dateien.front(), grund}}};
}

// The files carrying any of the keys, in their order.
std::vector<int> Gefunden(const Logobestand::Index& index, const QStringList& schluessel) {
    std::vector<int> dateien;
    for (const QString& key : schluessel) {
        const int nummer = index.nummerDes.value(key, -1);
        if (nummer >= 0)
            dateien.insert(dateien.end(), index.dateienDes[nummer].cbegin(), index.dateienDes[nummer].cend());
    }
    std::sort(dateien.begin(), dateien.end());
    dateien.erase(std::unique(dateien.begin(), dateien.end()), dateien.end());
    return dateien;
}

// The files that decode: a broken file must neither be attached nor keep a rule from
// deciding over the others.
std::vector<int> Lesbare(const Logobestand& bestand, std::vector<int> dateien) {
    std::erase_if(dateien, [&](int d) { return !bestand.Lesbar(d); });
    return dateien;
}

enum class Guete { Ohne, Sd, Hd };

Guete GueteDerEndung(QStringView endung) {
    return endung.isEmpty() ? Guete::Ohne : endung == QLatin1String("sd") ? Guete::Sd : Guete::Hd;
}

// First words that name no station: an article, or what many stations start with
// ("Radio Bob" is no "radio.png").
bool IstAllgemeinesWort(const QString& schluessel) {
    static const QSet<QString> woerter{QStringLiteral("das"),   QStringLiteral("der"),    QStringLiteral("die"),
                                       QStringLiteral("the"),   QStringLiteral("radio"),  QStringLiteral("tv"),
                                       QStringLiteral("kanal"), QStringLiteral("sender"), QStringLiteral("channel")};
    return woerter.contains(schluessel);
}

// The number a second word gives: "II" → 2, "III" → 3 ("ORF III" is orf3hd.png), or
// a number of one or two digits as it stands.
QString Zahlwort(const QString& wort) {
    if (wort.compare(QLatin1String("II"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("2");
    if (wort.compare(QLatin1String("III"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("3");
    const bool zahl = wort.size() <= 2 && std::all_of(wort.begin(), wort.end(), [](QChar c) {
                          return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                      });
    return zahl ? wort : QString();
}

// The files whose key, without a quality ending, is the name's first word (blanks and
// hyphens part the words, quality words left out), with a numeral that follows attached:
// the broadcaster's logo for its regional programmes, "BR Süd HD" → brhd.png, br.png;
// "ORF III" → orf3hd.png. The file of the entry's own quality comes first, then the one
// without an ending.
std::vector<int> GleicherAnfang(const Logobestand::Index& index, const QString& name) {
    static const QRegularExpression trenner(QStringLiteral("[\\s\\-\\x{2010}-\\x{2013}]+"));
    QStringList woerter;
    Guete guete = Guete::Ohne;
    for (const QString& wort : name.split(trenner, Qt::SkipEmptyParts)) {
        const QString schluessel = KlassischerSchluessel(wort);
        if (IstQualitaetsendung(schluessel))
            guete = std::max(guete, GueteDerEndung(schluessel));
        else if (!schluessel.isEmpty())
            woerter << wort;
    }
    if (woerter.isEmpty())
        return {};
    const QString zahl = woerter.size() > 1 ? Zahlwort(woerter[1]) : QString();
    QStringList staemme;
    for (const QString& schluessel :
         {KlassischerSchluessel(woerter[0]), DeutscherSchluessel(woerter[0]), SchluesselOhneUmlaute(woerter[0])})
        if (schluessel.size() >= 2 && (!zahl.isEmpty() || !IstAllgemeinesWort(schluessel)) &&
            !staemme.contains(schluessel + zahl))
            staemme << schluessel + zahl;
    std::vector<std::pair<int, int>> gefunden; // rank, file
    for (const QString& stamm : staemme)
        for (const int nummer : index.staemme.value(stamm)) {
            const Guete datei = GueteDerEndung(QStringView(index.schluessel[nummer]).mid(stamm.size()));
            const int rang = datei == guete ? 0 : datei == Guete::Ohne ? 1 : 2;
            for (const int d : index.dateienDes[nummer])
                gefunden.emplace_back(rang, d);
        }
    std::sort(gefunden.begin(), gefunden.end());
    std::vector<int> dateien;
    for (const auto& [rang, datei] : gefunden)
        if (std::find(dateien.begin(), dateien.end(), datei) == dateien.end())
            dateien.push_back(datei);
    return dateien;
}

// The similar keys of the files, each file with the similarity of its best key:
// 1 − d / longer length, d the edit distance (for a key that starts with the other,
// the difference in length).
class Aehnlichkeiten {
public:
    explicit Aehnlichkeiten(const Logobestand::Index& index) : m_index(index) {}

    void Suche(const QString& e) {
        const QStringList& keys = m_index.schluessel;
        // File keys that start with e.
        if (e.size() >= 4) {
            auto it = std::lower_bound(m_index.sortiert.begin(), m_index.sortiert.end(), e,
                                       [&](int nummer, const QString& text) { return keys[nummer] < text; });
            for (; it != m_index.sortiert.end() && keys[*it].startsWith(e); ++it)
                Notiere(*it, keys[*it].size() - e.size(), keys[*it].size());
        }
        // File keys e starts with.
        for (qsizetype laenge = 4; laenge < e.size(); ++laenge) {
            const int nummer = m_index.nummerDes.value(e.left(laenge), -1);
            if (nummer >= 0)
                Notiere(nummer, e.size() - laenge, e.size());
        }
        // File keys one character off, the longer key of at least six characters.
        if (e.size() < 5)
            return;
        for (const int nummer : m_index.ohneEinZeichen.value(e))
            Notiere(nummer, 1, keys[nummer].size());
        for (qsizetype i = 0; i < e.size(); ++i) {
            const QString ohne = QString(e).remove(i, 1);
            if (e.size() >= 6) {
                const int nummer = m_index.nummerDes.value(ohne, -1);
                if (nummer >= 0)
                    Notiere(nummer, 1, e.size());
            }
            for (const int nummer : m_index.ohneEinZeichen.value(ohne))
                if (keys[nummer].size() == e.size() && EinZeichenAnders(keys[nummer], e))
                    Notiere(nummer, 1, e.size());
        }
    }

    // The files, most similar first, ties in the files' order.
    std::vector<int> Rangfolge() const {
        std::vector<std::pair<double, int>> liste;
        for (const auto& [datei, wert] : m_bester)
            liste.emplace_back(-wert, datei);
        std::sort(liste.begin(), liste.end());
        std::vector<int> dateien;
        for (const auto& eintrag : liste)
            dateien.push_back(eintrag.second);
        return dateien;
    }

private:
    void Notiere(int nummer, qsizetype abstand, qsizetype laenger) {
        const double wert = 1.0 - double(abstand) / double(laenger);
        for (const int datei : m_index.dateienDes[nummer]) {
            auto [it, neu] = m_bester.try_emplace(datei, wert);
            if (!neu)
                it->second = std::max(it->second, wert);
        }
    }

    const Logobestand::Index& m_index;
    std::unordered_map<int, double> m_bester;
};

} // namespace

namespace {

// What the other entries of the list tell about an entry's finds.
struct Listenwissen {
    QSet<QString> umstritten; // name keys that entries of different names share
    QSet<int> fernsehen;      // files that television entries take
};

// The name as the list tells stations apart: letter case, blanks and a last quality word do
// not count, punctuation does ("a.tv HD" is not "ATV").
QString Grundname(const QString& name) {
    static const QRegularExpression leer(QStringLiteral("\\s+"));
    QStringList woerter = name.split(leer, Qt::SkipEmptyParts);
    if (woerter.size() > 1 && IstQualitaetsendung(KlassischerSchluessel(woerter.last())))
        woerter.removeLast();
    return woerter.join(QString()).normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool Umstritten(const Logobestand::Index& index, const QStringList& regel, const Listenwissen& wissen) {
    return std::any_of(regel.begin(), regel.end(), [&](const QString& key) {
        return wissen.umstritten.contains(key) && index.nummerDes.contains(key);
    });
}

// A file a television entry takes, or one of the same bytes.
bool NimmtDasFernsehen(const Logobestand& bestand, const Listenwissen& wissen, int datei) {
    return wissen.fernsehen.contains(datei) || std::any_of(wissen.fernsehen.begin(), wissen.fernsehen.end(),
                                                           [&](int d) { return bestand.GleicherInhalt(d, datei); });
}

Logoentscheidung EntscheideMitWissen(const Logobestand& bestand, const Logoanfrage& suche, const Listenwissen& wissen) {
    const Logobestand::Index& index = bestand.Suchindex();
    for (const QString& importSchluessel : suche.importSchluessel) {
        if (importSchluessel.isEmpty())
            continue;
        const QList<int> gefunden = index.basisnamen.value(Vergleichsform(importSchluessel));
        const std::vector<int> dateien = Lesbare(bestand, {gefunden.cbegin(), gefunden.cend()});
        if (!dateien.empty())
            return Entscheide(bestand, dateien, Logogrund::Importdatei);
    }
    const Namensschluessel schluessel = SchluesselDesNamens(suche.name);
    for (const QStringList& regel : schluessel.regel) {
        const std::vector<int> dateien = Lesbare(bestand, Gefunden(index, regel));
        if (dateien.empty())
            continue;
        // A name two stations of the list share cannot tell which of them the file shows.
        if (Umstritten(index, regel, wissen))
            return {false, Verschiedene(bestand, Kandidaten(dateien, Logogrund::GleicherName))};
        return Entscheide(bestand, dateien, Logogrund::GleicherName);
    }
    // Only proposals from here: the broadcaster's logo before the similar names.
    std::vector<Logovorschlag> kandidaten = Kandidaten(GleicherAnfang(index, suche.name), Logogrund::GleicherAnfang);
    Aehnlichkeiten aehnlich(index);
    for (const QStringList& regel : schluessel.regel)
        for (const QString& key : regel)
            aehnlich.Suche(key);
    for (const Logovorschlag& kandidat : Kandidaten(aehnlich.Rangfolge(), Logogrund::AehnlicherName))
        kandidaten.push_back(kandidat);
    // "NDR 90,3" is not offered the television's ndr.png.
    if (suche.radio)
        std::erase_if(kandidaten, [&](const Logovorschlag& k) { return NimmtDasFernsehen(bestand, wissen, k.datei); });
    return {false, Verschiedene(bestand, kandidaten)};
}

// Every name key of entries whose names differ.
QSet<QString> UmstritteneSchluessel(const QList<Logoanfrage>& suchen) {
    QHash<QString, QString> ersterName;
    QSet<QString> umstritten;
    for (const Logoanfrage& suche : suchen) {
        const QString grundname = Grundname(suche.name);
        if (grundname.isEmpty())
            continue;
        for (const QStringList& regel : SchluesselDesNamens(suche.name).regel)
            for (const QString& key : regel) {
                const auto name = ersterName.constFind(key);
                if (name == ersterName.cend())
                    ersterName.insert(key, grundname);
                else if (*name != grundname)
                    umstritten.insert(key);
            }
    }
    return umstritten;
}

// The decisions of the entries chosen, on every core; empty for the others.
void EntscheideAlle(const Logobestand& bestand, const QList<Logoanfrage>& suchen, const Listenwissen& wissen,
                    const std::function<bool(const Logoanfrage&)>& diese, QList<Logoentscheidung>& entscheidungen) {
    GeordneteArbeit<Logoentscheidung> arbeit(Kerne());
    QList<qsizetype> gegeben;
    for (qsizetype i = 0; i < suchen.size(); ++i)
        if (diese(suchen[i])) {
            arbeit.Gib([&bestand, &wissen, &suche = suchen[i]] { return EntscheideMitWissen(bestand, suche, wissen); });
            gegeben.append(i);
        }
    for (const qsizetype i : std::as_const(gegeben))
        entscheidungen[i] = arbeit.Naechstes();
}

} // namespace

Logoentscheidung EntscheideLogo(const Logobestand& bestand, const Logoanfrage& suche) {
    return EntscheideMitWissen(bestand, suche, Listenwissen());
}

QList<Logoentscheidung> EntscheideLogos(const Logobestand& bestand, const QList<Logoanfrage>& suchen) {
    Listenwissen wissen;
    wissen.umstritten = UmstritteneSchluessel(suchen);
    const bool radioGesucht =
        std::any_of(suchen.begin(), suchen.end(), [](const Logoanfrage& s) { return s.radio && s.gesucht; });
    QList<Logoentscheidung> entscheidungen(suchen.size());
    // Television first: what it takes, radio is not offered by the weak rules.
    EntscheideAlle(
        bestand, suchen, wissen, [&](const Logoanfrage& s) { return !s.radio && (s.gesucht || radioGesucht); },
        entscheidungen);
    if (!radioGesucht)
        return entscheidungen;
    for (qsizetype i = 0; i < suchen.size(); ++i)
        if (!suchen[i].radio) {
            if (suchen[i].eigeneDatei >= 0)
                wissen.fernsehen.insert(suchen[i].eigeneDatei);
            for (const Logovorschlag& v : std::as_const(entscheidungen[i].vorschlaege))
                wissen.fernsehen.insert(v.datei);
            if (!suchen[i].gesucht)
                entscheidungen[i] = {};
        }
    EntscheideAlle(
        bestand, suchen, wissen, [](const Logoanfrage& s) { return s.radio && s.gesucht; }, entscheidungen);
    return entscheidungen;
}

QString Grundtext(Logogrund grund) {
    switch (grund) {
    case Logogrund::Importdatei:
        return QStringLiteral("aus der Importdatei");
    case Logogrund::GleicherName:
        return QStringLiteral("gleicher Name");
    case Logogrund::GleicherAnfang:
        return QStringLiteral("gleicher Anfang");
    case Logogrund::AehnlicherName:
        break;
    }
    return QStringLiteral("ähnlicher Name");
}

QString Beschaedigtenhinweis(const Logobestand& bestand) {
    const QList<int> dateien = bestand.BeschaedigteDateien();
    if (dateien.isEmpty())
        return {};
    constexpr qsizetype Genannt = 10;
    QStringList namen;
    for (const int d : dateien.first(std::min(dateien.size(), Genannt))) {
        const Logodatei& datei = bestand.Dateien().at(d);
        const QString name = QFileInfo(datei.pfad).fileName();
        namen << (datei.gruppe.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, datei.gruppe));
    }
    if (dateien.size() > Genannt)
        namen.last() += QStringLiteral(" … und %1 weitere").arg(dateien.size() - Genannt);
    const QString liste = namen.join(QStringLiteral(", "));
    return dateien.size() == 1 ? QStringLiteral("1 Logodatei ist beschädigt und wurde übergangen: %1.").arg(liste)
                               : QStringLiteral("%1 Logodateien sind beschädigt und wurden übergangen: %2.")
                                     .arg(dateien.size())
                                     .arg(liste);
}

Logobestand LeseLogobestand(const QString& logoWurzel, const QString& senderLogos) {
    QList<Logodatei> dateien;
    const auto leseOrdner = [&](const QString& ordner, const QString& gruppe) {
        if (ordner.isEmpty())
            return; // QDir would read the working directory
        const QDir verzeichnis(ordner);
        for (const QString& name : verzeichnis.entryList(QDir::Files | QDir::Hidden, NamensFolge))
            if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
                !name.contains(QLatin1String("ohne logo"), Qt::CaseInsensitive))
                dateien << Logodatei{verzeichnis.filePath(name), gruppe};
    };
    leseOrdner(logoWurzel, QString());
    // A "Sender-Logos" kept inside the logo root is read once, as itself.
    const QString senderLogosEcht = senderLogos.isEmpty() ? QString() : QFileInfo(senderLogos).canonicalFilePath();
    if (!logoWurzel.isEmpty())
        for (const QString& gruppe : LeseLogogruppen(logoWurzel)) {
            const QString ordner = QDir(logoWurzel).filePath(gruppe);
            if (senderLogosEcht.isEmpty() || QFileInfo(ordner).canonicalFilePath() != senderLogosEcht)
                leseOrdner(ordner, gruppe);
        }
    leseOrdner(senderLogos, SenderLogosGruppe);
    return Logobestand(std::move(dateien));
}

} // namespace senvio
