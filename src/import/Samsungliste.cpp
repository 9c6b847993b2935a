#include "import/Samsungliste.h"

#include "import/Fernsehliste.h"
#include "import/Piconname.h"
#include "import/Sqlitebild.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace senvio {

namespace {

// CHNL.chType: the reception of a transponder.
enum Empfang { AnalogAntenne = 1, Antenne = 2, AnalogKabel = 3, Kabel = 4, Satellit = 7, Ip = 9 };

// The most favourites lists a TV keeps (SRV_FAV.fav 1…5).
constexpr int MeisteFavoriten = 5;

// Format 1242 wraps each UTF-16LE unit in three bytes 1110aaaa 10bbbbcc 10ccdddd; trailing
// NUL bytes aside, every triple has that form.
bool IstHuelle(QByteArrayView bytes) {
    while (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    if (bytes.isEmpty() || bytes.size() % 3 != 0)
        return false;
    for (qsizetype i = 0; i < bytes.size(); i += 3) {
        if ((quint8(bytes[i]) & 0xF0) != 0xE0 || (quint8(bytes[i + 1]) & 0xC0) != 0x80 ||
            (quint8(bytes[i + 2]) & 0xC0) != 0x80)
            return false;
    }
    return true;
}

// A name as stored: UTF-16BE bytes in a text column (or the 1242 envelope), U+0000 dropped.
QString SamsungText(QByteArrayView bytes) {
    QString text;
    if (IstHuelle(bytes)) {
        QByteArray utf16le;
        for (qsizetype i = 0; i + 2 < bytes.size(); i += 3) {
            utf16le.append(char((quint8(bytes[i]) & 0x0F) << 4 | (quint8(bytes[i + 1]) & 0x3C) >> 2));
            utf16le.append(char((quint8(bytes[i + 1]) & 0x03) << 6 | (quint8(bytes[i + 2]) & 0x3F)));
        }
        text = QStringDecoder(QStringDecoder::Utf16LE, QStringConverter::Flag::Stateless).decode(utf16le);
    } else {
        text = QStringDecoder(QStringDecoder::Utf16BE, QStringConverter::Flag::Stateless).decode(bytes);
    }
    text.remove(QChar(0));
    return text;
}

// The satellite positions of the transponders (SAT_TP.tpId → tenths of a degree, east
// positive) from the member "sat".
QHash<qint64, int> SatellitenDerTransponder(const Sqlitebild& sat) {
    QHash<qint64, int> positionen;
    if (!sat.HatSpalten(QStringLiteral("SAT_TP"), {QStringLiteral("tpId"), QStringLiteral("satId")}) ||
        !sat.HatSpalten(QStringLiteral("SAT"), {QStringLiteral("satId"), QStringLiteral("satPos")}))
        return positionen;
    const bool richtung = sat.HatSpalten(QStringLiteral("SAT"), {QStringLiteral("satDir")});
    sat.Frage(QStringLiteral("SELECT t.tpId, s.satPos, %1 FROM SAT_TP t JOIN SAT s ON s.satId = t.satId")
                  .arg(richtung ? QStringLiteral("s.satDir") : QStringLiteral("1")),
              [&](const Sqlitezeile& z) {
                  const qint64 pos = std::clamp<qint64>(z.Zahl(1), -1800, 1800);
                  // West is stored negative, or positive with satDir 0.
                  positionen.insert(z.Zahl(0), int(pos > 0 && z.Zahl(2) == 0 ? -pos : pos));
              });
    return positionen;
}

// An IP service's details from SRV_IP.jsonMeta (UTF-16BE JSON): its address or service id
// as reference, the base name of its logo as first logo key.
void NimmIpAngaben(Fernsehkanal& kanal, QByteArrayView json, qint64 srvId) {
    const QJsonObject meta = QJsonDocument::fromJson(SamsungText(json).toUtf8()).object();
    const QString adresse = meta.value(QStringLiteral("default_url")).toString().trimmed();
    const QString dienst = meta.value(QStringLiteral("service_id")).toString().trimmed();
    kanal.referenz = !adresse.isEmpty()  ? adresse
                     : !dienst.isEmpty() ? QStringLiteral("I-") + dienst
                                         : QStringLiteral("I-%1").arg(srvId);
    if (const QString logo = LogoBasisname(meta.value(QStringLiteral("logo_url")).toString()); !logo.isEmpty())
        kanal.logoSchluessel.prepend(logo);
}

struct Dienst {
    qint64 srvId = 0;
    qint64 recState = 0;
    QString liste; // "Kabel", "Satellit", …
    Fernsehkanal kanal;
};

struct Mitglied {
    QString liste;
    QList<Dienst> dienste;
    QMap<int, QList<std::pair<qint64, qint64>>> favoriten; // fav → (pos, srvId)
};

QString Listenname(qint64 chType) {
    switch (chType) {
    case Antenne:
        return QStringLiteral("Antenne");
    case Kabel:
        return QStringLiteral("Kabel");
    case Satellit:
        return QStringLiteral("Satellit");
    case Ip:
        return QStringLiteral("IP");
    case AnalogAntenne:
    case AnalogKabel:
        return QStringLiteral("Analog");
    default:
        return QString();
    }
}

// The offered order of the lists.
int Rang(const QString& liste) {
    static const QStringList folge = {QStringLiteral("Kabel"), QStringLiteral("Satellit"), QStringLiteral("Antenne"),
                                      QStringLiteral("IP"), QStringLiteral("Analog")};
    const qsizetype i = folge.indexOf(liste);
    return i < 0 ? int(folge.size()) : int(i);
}

Dienst LiesDienst(const Sqlitezeile& z, const QHash<qint64, int>& satelliten) {
    Dienst d;
    d.srvId = z.Zahl(0);
    d.recState = z.Zahl(12);
    Fernsehkanal& k = d.kanal;
    k.nummer = Kanalnummer(z.Zahl(1));
    k.name = SamsungText(z.Bytes(2));
    const qint64 chType = z.Zahl(7);
    d.liste = Listenname(chType);
    k.art = chType == Ip || chType == AnalogAntenne || chType == AnalogKabel ? Dienstart::Fernsehen
                                                                             : DvbDienstart(z.Zahl(3));
    const qint64 frequenz = z.Zahl(9);
    switch (chType) {
    case Antenne:
        k.quelle = QStringLiteral("T");
        break;
    case Kabel:
        k.quelle = QStringLiteral("C");
        break;
    case Satellit: {
        const auto pos = satelliten.constFind(z.Zahl(8));
        k.quelle = pos == satelliten.cend() ? QStringLiteral("S") : Satellitenquelle(*pos);
        break;
    }
    case Ip:
        NimmIpAngaben(k, z.Bytes(11), d.srvId);
        break;
    case AnalogAntenne:
    case AnalogKabel:
        if (frequenz > 0)
            k.referenz =
                (chType == AnalogKabel ? QStringLiteral("A-C-") : QStringLiteral("A-T-")) + QString::number(frequenz);
        break;
    default:
        break;
    }
    if (!k.quelle.isEmpty() && !z.IstLeer(10)) {
        k.onid = z.Zahl(10);
        k.tsid = z.Zahl(6);
        k.sid = z.Zahl(5);
    }
    return d;
}

// Format 1352 keeps older copies of a service (SRV_EXT_APP beside SRV) under the same
// number: of each number only the row with the highest recState counts.
void OhneAlteKopien(QList<Dienst>& dienste) {
    QHash<int, qint64> neueste;
    for (const Dienst& d : std::as_const(dienste))
        if (d.kanal.nummer > 0 && (!neueste.contains(d.kanal.nummer) || d.recState > neueste[d.kanal.nummer]))
            neueste[d.kanal.nummer] = d.recState;
    QSet<int> genommen;
    dienste.removeIf([&](const Dienst& d) {
        if (d.kanal.nummer <= 0)
            return false;
        if (d.recState != neueste[d.kanal.nummer] || genommen.contains(d.kanal.nummer))
            return true;
        genommen.insert(d.kanal.nummer);
        return false;
    });
}

Mitglied LiesMitglied(const Sqlitebild& db, const QHash<qint64, int>& satelliten) {
    db.PruefeSpalten(QStringLiteral("SRV"),
                     {QStringLiteral("srvId"), QStringLiteral("chId"), QStringLiteral("major"),
                      QStringLiteral("progNum"), QStringLiteral("srvName"), QStringLiteral("srvType"),
                      QStringLiteral("tsid"), QStringLiteral("elim")});
    db.PruefeSpalten(QStringLiteral("CHNL"), {QStringLiteral("chId"), QStringLiteral("chType"), QStringLiteral("chNum"),
                                              QStringLiteral("freq")});
    const bool dvb = db.HatSpalten(QStringLiteral("SRV_DVB"), {QStringLiteral("srvId"), QStringLiteral("onid")});
    const bool ip = db.HatSpalten(QStringLiteral("SRV_IP"), {QStringLiteral("srvId"), QStringLiteral("jsonMeta")});
    const bool zustand = db.HatSpalten(QStringLiteral("SRV"), {QStringLiteral("recState")});
    const QString sql =
        QStringLiteral("SELECT s.srvId, s.major, cast(s.srvName AS blob), s.srvType, s.elim, s.progNum, s.tsid, "
                       "c.chType, c.chNum, c.freq, %1, %2, %3 FROM SRV s LEFT JOIN CHNL c ON c.chId = s.chId")
            .arg(dvb ? QStringLiteral("(SELECT d.onid FROM SRV_DVB d WHERE d.srvId = s.srvId)")
                     : QStringLiteral("NULL"),
                 ip ? QStringLiteral("(SELECT cast(i.jsonMeta AS blob) FROM SRV_IP i WHERE i.srvId = s.srvId LIMIT 1)")
                    : QStringLiteral("NULL"),
                 zustand ? QStringLiteral("s.recState") : QStringLiteral("0"));
    Mitglied m;
    QHash<QString, int> empfaenge;
    db.Frage(sql, [&](const Sqlitezeile& z) {
        if (z.Zahl(4) != 0)
            return; // eliminated: not in the list
        Dienst d = LiesDienst(z, satelliten);
        if (d.liste.isEmpty())
            return;
        empfaenge[d.liste] += d.liste == QStringLiteral("Analog") ? 0 : 1;
        m.dienste.append(std::move(d));
    });
    if (db.HatTabelle(QStringLiteral("SRV_EXT_APP")))
        OhneAlteKopien(m.dienste);
    // One database is one list of the TV; analog channels in it share its numbering.
    m.liste = QStringLiteral("Analog");
    int meiste = 0;
    for (auto it = empfaenge.cbegin(); it != empfaenge.cend(); ++it) {
        if (it.value() > meiste || (it.value() == meiste && meiste > 0 && Rang(it.key()) < Rang(m.liste))) {
            meiste = it.value();
            m.liste = it.key();
        }
    }
    if (db.HatSpalten(QStringLiteral("SRV_FAV"),
                      {QStringLiteral("srvId"), QStringLiteral("fav"), QStringLiteral("pos")}))
        db.Frage(QStringLiteral("SELECT fav, pos, srvId FROM SRV_FAV WHERE fav BETWEEN 1 AND %1").arg(MeisteFavoriten),
                 [&](const Sqlitezeile& z) {
                     m.favoriten[int(z.Zahl(0))].append({z.Zahl(1), z.Zahl(2)});
                 });
    return m;
}

} // namespace

bool IstSamsungArchiv(const QList<Archivteil>& teile) {
    for (const Archivteil& teil : teile) {
        if (!IstSqlite(teil.bytes))
            continue;
        try {
            const Sqlitebild db(teil.bytes, teil.name);
            if (db.HatTabelle(QStringLiteral("SRV")) && db.HatTabelle(QStringLiteral("CHNL")))
                return true;
        } catch (...) {
        }
    }
    return false;
}

ImportFund LeseSamsungArchiv(const QList<Archivteil>& teile, const QString& datei) {
    // Members are told by their tables: the satellites first, then the lists.
    std::vector<std::unique_ptr<Sqlitebild>> dbs;
    QHash<qint64, int> satelliten;
    for (const Archivteil& teil : teile) {
        if (!IstSqlite(teil.bytes))
            continue;
        auto db = std::make_unique<Sqlitebild>(teil.bytes, datei + u'/' + teil.name);
        if (db->HatTabelle(QStringLiteral("SAT_TP")))
            satelliten.insert(SatellitenDerTransponder(*db));
        if (db->HatTabelle(QStringLiteral("SRV")) && db->HatTabelle(QStringLiteral("CHNL")))
            dbs.push_back(std::move(db));
    }
    QList<Mitglied> mitglieder;
    for (const auto& db : dbs)
        mitglieder.append(LiesMitglied(*db, satelliten));
    std::stable_sort(mitglieder.begin(), mitglieder.end(),
                     [](const Mitglied& a, const Mitglied& b) { return Rang(a.liste) < Rang(b.liste); });

    Fernsehfund fund;
    QMap<int, QList<std::pair<qint64, Fernsehkanal>>> favoriten;
    for (const Mitglied& m : std::as_const(mitglieder)) {
        if (m.dienste.isEmpty())
            continue;
        const int liste = fund.Liste(m.liste, false);
        QHash<qint64, const Fernsehkanal*> nachId;
        for (const Dienst& d : m.dienste) {
            fund.NimmAuf(liste, d.kanal);
            nachId.insert(d.srvId, &d.kanal);
        }
        for (auto it = m.favoriten.cbegin(); it != m.favoriten.cend(); ++it)
            for (const auto& [pos, srvId] : it.value())
                if (const Fernsehkanal* kanal = nachId.value(srvId))
                    favoriten[it.key()].append({pos, *kanal});
    }
    for (auto it = favoriten.begin(); it != favoriten.end(); ++it) {
        // Positions counted from 0 are shown from 1.
        const qint64 erste = std::min_element(it->cbegin(), it->cend(), [](const auto& a, const auto& b) {
                                 return a.first < b.first;
                             })->first;
        const int liste = fund.Liste(QStringLiteral("Favoriten %1").arg(it.key()), false);
        for (auto& [pos, kanal] : *it) {
            kanal.nummer = Kanalnummer(erste == 0 && pos < std::numeric_limits<int>::max() ? pos + 1 : pos);
            fund.NimmAuf(liste, kanal);
        }
    }
    return std::move(fund).Fund();
}

} // namespace senvio
