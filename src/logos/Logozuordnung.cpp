#include "logos/Logozuordnung.h"

#include "logos/LogoGruppen.h"
#include "list/Logoschluessel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace senvio {

namespace {

const QString SenderLogosGruppe = QStringLiteral("Sender-Logos");

// What is known of a file's bytes: its size from the directory, then a hash of the
// whole file, each found on first need. A size of -1 means the file cannot be read.
struct Inhalt {
    bool groesseBekannt = false;
    qint64 groesse = -1;
    QByteArray hash; // empty until read
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

    QMutex sperre;
    std::vector<Inhalt> inhalte;

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

namespace {

bool InSenderLogos(const Logobestand& bestand, int datei) {
    return bestand.Dateien()[datei].gruppe == SenderLogosGruppe;
}

// Up to three of the files in the given order, each unlike those taken before; a copy
// in "Sender-Logos" gives way to a group's file of the same content found later.
QList<Logovorschlag> Verschiedene(const Logobestand& bestand, const std::vector<int>& dateien, Logogrund grund) {
    QList<Logovorschlag> vorschlaege;
    for (const int datei : dateien) {
        const auto gleich = std::find_if(vorschlaege.begin(), vorschlaege.end(), [&](const Logovorschlag& v) {
            return bestand.GleicherInhalt(v.datei, datei);
        });
        if (gleich == vorschlaege.end())
            vorschlaege << Logovorschlag{datei, grund};
        else if (InSenderLogos(bestand, gleich->datei) && !InSenderLogos(bestand, datei))
            gleich->datei = datei;
        if (vorschlaege.size() == 3)
            break;
    }
    return vorschlaege;
}

// What the files a rule found (sorted, distinct, at least one) decide: one file, or
// files all alike, are taken, preferring a group's file to a copy in "Sender-Logos";
// several different ones are offered.
Logoentscheidung Entscheide(const Logobestand& bestand, const std::vector<int>& dateien, Logogrund grund) {
    const bool alleGleich = std::all_of(dateien.begin() + 1, dateien.end(),
                                        [&](int d) { return bestand.GleicherInhalt(dateien.front(), d); });
    if (!alleGleich)
        return {false, Verschiedene(bestand, dateien, grund)};
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

Logoentscheidung EntscheideLogo(const Logobestand& bestand, const Logosuche& suche) {
    const Logobestand::Index& index = bestand.Suchindex();
    for (const QString& importSchluessel : suche.importSchluessel) {
        if (importSchluessel.isEmpty())
            continue;
        const QList<int> dateien = index.basisnamen.value(Vergleichsform(importSchluessel));
        if (!dateien.isEmpty())
            return Entscheide(bestand, {dateien.cbegin(), dateien.cend()}, Logogrund::Importdatei);
    }
    const Namensschluessel schluessel = SchluesselDesNamens(suche.name);
    for (const QStringList& regel : schluessel.regel) {
        const std::vector<int> dateien = Gefunden(index, regel);
        if (!dateien.empty())
            return Entscheide(bestand, dateien, Logogrund::GleicherName);
    }
    Aehnlichkeiten aehnlich(index);
    for (const QStringList& regel : schluessel.regel)
        for (const QString& key : regel)
            aehnlich.Suche(key);
    return {false, Verschiedene(bestand, aehnlich.Rangfolge(), Logogrund::AehnlicherName)};
}

QString Grundtext(Logogrund grund) {
    switch (grund) {
    case Logogrund::Importdatei:
        return QStringLiteral("aus der Importdatei");
    case Logogrund::GleicherName:
        return QStringLiteral("gleicher Name");
    case Logogrund::AehnlicherName:
        break;
    }
    return QStringLiteral("ähnlicher Name");
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
        for (const QString& gruppe : LeseLogoGruppen(logoWurzel)) {
            const QString ordner = QDir(logoWurzel).filePath(gruppe);
            if (senderLogosEcht.isEmpty() || QFileInfo(ordner).canonicalFilePath() != senderLogosEcht)
                leseOrdner(ordner, gruppe);
        }
    leseOrdner(senderLogos, SenderLogosGruppe);
    return Logobestand(std::move(dateien));
}

} // namespace senvio
