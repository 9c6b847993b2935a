#include "import/Hisenseliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

// channel.db (Hisense, 2016): one table svl_N of services per reception (1 antenna, 2 cable,
// 3 satellite, 4 preferred satellite), its transponders in tsl_N. servicelist.db (Loewe):
// lists of services, each item with its number in that list.
namespace senvio {

namespace {

// Table names come from the file: only names of this shape are put into a query.
const QRegularExpression SvlTabelle(QStringLiteral("^svl_([0-9]{1,3})$"));

// Orbital positions in tenths of a degree; west given as 3600 minus the position.
int Position(qint64 orbPos) {
    return orbPos > 1800 && orbPos < 3600 ? int(orbPos - 3600) : int(std::clamp<qint64>(orbPos, -1800, 1800));
}

QString ListeHisense(int n) {
    switch (n) {
    case 1:
        return QStringLiteral("Antenne");
    case 2:
        return QStringLiteral("Kabel");
    case 3:
        return QStringLiteral("Satellit");
    case 4:
        return QStringLiteral("Satellit bevorzugt");
    default:
        return QStringLiteral("Liste %1").arg(n);
    }
}

// The reception of a list without transponder table.
QString QuelleDerListe(int n) {
    return n == 1 ? QStringLiteral("T") : n == 2 ? QStringLiteral("C") : QStringLiteral("S");
}

struct Transponder {
    qint64 onid = -1, tsid = -1, medium = 0;
};

// tsl_N: the transponders by tsl_rec_id, with ONID, TSID and reception.
QHash<qint64, Transponder> LeseTransponder(const Sqlitebild& db, const QString& tsl) {
    QHash<qint64, Transponder> transponder;
    if (!db.HatSpalten(tsl, {QStringLiteral("tsl_rec_id"), QStringLiteral("t_desc.on_id"),
                             QStringLiteral("t_desc.ts_id"), QStringLiteral("t_desc.e_bcst_medium")}))
        return transponder;
    db.Frage(QStringLiteral("SELECT tsl_rec_id, \"t_desc.on_id\", \"t_desc.ts_id\", \"t_desc.e_bcst_medium\" FROM %1")
                 .arg(tsl),
             [&](const Sqlitezeile& z) {
                 transponder.insert(z.Zahl(0), {z.Zahl(1), z.Zahl(2), z.Zahl(3)});
             });
    return transponder;
}

// tsl_N_data_sat_dig: the orbital position of each satellite transponder.
QHash<qint64, int> LesePositionen(const Sqlitebild& db, const QString& tsl) {
    QHash<qint64, int> positionen;
    const QString tabelle = tsl + QStringLiteral("_data_sat_dig");
    if (db.HatSpalten(tabelle, {QStringLiteral("tsl_rec_id"), QStringLiteral("orb_pos")}))
        db.Frage(QStringLiteral("SELECT tsl_rec_id, orb_pos FROM %1").arg(tabelle),
                 [&](const Sqlitezeile& z) { positionen.insert(z.Zahl(0), Position(z.Zahl(1))); });
    return positionen;
}

// tsl_N_data_{cab,ter,sat}_ana: the reference "A-C-535.25" (frequency in MHz) of each
// analog transponder.
QHash<qint64, QString> LeseAnalogreferenzen(const Sqlitebild& db, const QString& tsl) {
    QHash<qint64, QString> referenzen;
    const std::pair<const char*, const char*> arten[] = {{"cab", "C"}, {"ter", "T"}, {"sat", "S"}};
    for (const auto& [art, quelleDerArt] : arten) {
        const char* quelle = quelleDerArt; // a lambda cannot take a structured binding
        const QString tabelle = tsl + QStringLiteral("_data_%1_ana").arg(QLatin1String(art));
        if (!db.HatSpalten(tabelle, {QStringLiteral("tsl_rec_id"), QStringLiteral("freq")}))
            continue;
        db.Frage(QStringLiteral("SELECT tsl_rec_id, freq FROM %1").arg(tabelle), [&](const Sqlitezeile& z) {
            const qint64 hertz = z.Zahl(1);
            referenzen.insert(z.Zahl(0),
                              hertz > 0 ? QStringLiteral("A-%1-%2").arg(QLatin1String(quelle),
                                                                        QString::number(double(hertz) / 1e6, 'g', 12))
                                        : QString());
        });
    }
    return referenzen;
}

struct Favorit {
    int liste = 0;  // table number N
    int nummer = 0; // in the table's own list
    Fernsehkanal kanal;
};

ImportFund LeseChannelDb(const Sqlitebild& db) {
    QList<int> tabellen;
    for (const QString& tabelle : db.Tabellen()) {
        const QRegularExpressionMatch treffer = SvlTabelle.match(tabelle);
        if (treffer.hasMatch())
            tabellen.append(treffer.captured(1).toInt());
    }
    std::sort(tabellen.begin(), tabellen.end());
    tabellen.erase(std::unique(tabellen.begin(), tabellen.end()), tabellen.end());

    Fernsehfund fund;
    QList<Favorit> favoriten[4];
    for (const int n : tabellen) {
        const QString svl = QStringLiteral("svl_%1").arg(n), tsl = QStringLiteral("tsl_%1").arg(n);
        db.PruefeSpalten(svl, {QStringLiteral("channel_id"), QStringLiteral("e_serv_type"), QStringLiteral("ac_name"),
                               QStringLiteral("prog_id"), QStringLiteral("tsl_rec_id")});
        const bool masken = db.HatSpalten(svl, {QStringLiteral("nw_mask"), QStringLiteral("option_mask")});
        const QHash<qint64, Transponder> transponder = LeseTransponder(db, tsl);
        const QHash<qint64, int> positionen = LesePositionen(db, tsl);
        const QHash<qint64, QString> analog = LeseAnalogreferenzen(db, tsl);
        const int liste = fund.Liste(ListeHisense(n), false);
        db.Frage(QStringLiteral("SELECT channel_id, e_serv_type, ac_name, prog_id, tsl_rec_id, %1 FROM %2")
                     .arg(masken ? QStringLiteral("nw_mask, option_mask") : QStringLiteral("0, 0"), svl),
                 [&](const Sqlitezeile& z) {
                     Fernsehkanal kanal;
                     // The number sits in the top 14 bits of the unsigned 32-bit channel id.
                     kanal.nummer = int(quint32(z.Zahl(0)) >> 18);
                     kanal.name = z.Text(2);
                     const qint64 tslRec = z.Zahl(4);
                     const Transponder tp = transponder.value(tslRec);
                     const qint64 art = z.Zahl(1);
                     if (tp.medium >= 4 && tp.medium <= 6) {
                         // Analog: a TV channel in the numbering of the list it is in.
                         kanal.art = Dienstart::Fernsehen;
                         kanal.referenz = analog.value(tslRec);
                     } else {
                         kanal.art = art == 1 ? Dienstart::Fernsehen : art == 2 ? Dienstart::Radio : Dienstart::Daten;
                         kanal.quelle = tp.medium == 1   ? QStringLiteral("T")
                                        : tp.medium == 2 ? QStringLiteral("C")
                                        : tp.medium == 3 ? QStringLiteral("S")
                                                         : QuelleDerListe(n);
                         if (kanal.quelle == u"S" && positionen.contains(tslRec))
                             kanal.quelle = Satellitenquelle(positionen.value(tslRec));
                         kanal.onid = tp.onid;
                         kanal.tsid = tp.tsid;
                         kanal.sid = z.Zahl(3);
                     }
                     // option_mask bit 13: deleted by the user; nw_mask 0x10…0x80: favourites 1–4.
                     kanal.geloescht = (z.Zahl(6) & (1 << 13)) != 0;
                     const qint64 nwMaske = z.Zahl(5);
                     for (int f = 0; f < 4; ++f)
                         if (nwMaske & (0x10 << f))
                             favoriten[f].append({n, kanal.nummer, kanal});
                     fund.NimmAuf(liste, std::move(kanal));
                 });
    }
    // A favourites list in the order of the lists and numbers, counted from 1.
    for (int f = 0; f < 4; ++f) {
        std::stable_sort(favoriten[f].begin(), favoriten[f].end(), [](const Favorit& a, const Favorit& b) {
            return a.liste != b.liste ? a.liste < b.liste : a.nummer < b.nummer;
        });
        const int liste = fund.Liste(QStringLiteral("Favoriten %1").arg(f + 1), false);
        int position = 0;
        for (Favorit& favorit : favoriten[f]) {
            if (favorit.kanal.geloescht || favorit.kanal.nummer <= 0 || favorit.kanal.art == Dienstart::Daten)
                continue;
            favorit.kanal.nummer = ++position;
            fund.NimmAuf(liste, std::move(favorit.kanal));
        }
    }
    return std::move(fund).Fund();
}

// The two schemas of servicelist.db: 2017 (FavoriteList) and 2021 (ServiceList).
struct Loeweschema {
    QString listen, eintraege, listeSpalte, nummerSpalte, geloeschtSpalte, dvb;
};

const Loeweschema Loewe2017{QStringLiteral("FavoriteList"), QStringLiteral("FavoriteItem"),
                            QStringLiteral("FavoriteId"),   QStringLiteral("ChannelNum"),
                            QStringLiteral("isDeleted"),    QStringLiteral("DvbService")};
const Loeweschema Loewe2021{QStringLiteral("ServiceList"),   QStringLiteral("ServiceItem"),
                            QStringLiteral("ServiceListId"), QStringLiteral("ChannelNumber"),
                            QStringLiteral("ServiceItem6"),  QStringLiteral("DigitalService")};

// "ASTRA1 19.2°E" → 192, "Hot Bird 13°E" → 130; nullopt for a name without position.
std::optional<int> PositionImNamen(const QString& name) {
    static const QRegularExpression muster(QStringLiteral("([0-9]{1,3})(?:[.,]([0-9]))?\\s*°\\s*([EOWeow])"));
    const QRegularExpressionMatch treffer = muster.match(name);
    if (!treffer.hasMatch())
        return std::nullopt;
    const int zehntel = treffer.captured(1).toInt() * 10 + treffer.captured(2).toInt();
    return treffer.captured(3).compare(u"W", Qt::CaseInsensitive) == 0 ? -zehntel : zehntel;
}

struct Loeweliste {
    qint64 pid = 0;
    int index = -1;
    std::optional<int> position; // a satellite's list
};

ImportFund LeseServicelist(const Sqlitebild& db, const Loeweschema& s) {
    db.PruefeSpalten(s.listen, {QStringLiteral("Pid"), QStringLiteral("Name")});
    db.PruefeSpalten(s.eintraege, {s.listeSpalte, QStringLiteral("ServiceId"), s.nummerSpalte});
    db.PruefeSpalten(QStringLiteral("Service"),
                     {QStringLiteral("Pid"), QStringLiteral("Name"), QStringLiteral("MediaType")});

    Fernsehfund fund;
    QHash<qint64, Loeweliste> listen;
    db.Frage(QStringLiteral("SELECT Pid, Name FROM %1 ORDER BY Pid").arg(s.listen), [&](const Sqlitezeile& z) {
        const QString name = z.Text(1);
        Loeweliste liste{z.Zahl(0), -1, PositionImNamen(name)};
        static const QRegularExpression favorit(QStringLiteral("^FAV([0-9]+)$"));
        const QRegularExpressionMatch fav = favorit.match(name);
        if (name == u"$av") // the HDMI inputs
            return;
        if (name == u"$all")
            liste.index = fund.Liste(QStringLiteral("Alle Sender"), true);
        else if (fav.hasMatch())
            liste.index = fund.Liste(QStringLiteral("Favoriten %1").arg(fav.captured(1).toInt()), false);
        else
            liste.index = fund.Liste(liste.position ? QStringLiteral("Satellit ") + name : name, false);
        listen.insert(liste.pid, liste);
    });

    // The reception of a tuner, where the tuner tables tell it; the satellite from the
    // satellite's list a service is in.
    const bool dvb =
        db.HatSpalten(s.dvb, {QStringLiteral("ServiceId"), QStringLiteral("TunerId"), QStringLiteral("Sid")});
    const bool tuner = dvb && db.HatSpalten(QStringLiteral("Tuner"),
                                            {QStringLiteral("TunerId"), QStringLiteral("Oid"), QStringLiteral("Tid")});
    QHash<qint64, QString> tunerQuelle;
    for (const auto& [tabelle, quelleDesTuners] : {std::pair{"DvbCTuner", "C"}, {"DvbTTuner", "T"}, {"DvbSTuner", "S"}})
        if (const char* quelle = quelleDesTuners; db.HatSpalten(QLatin1String(tabelle), {QStringLiteral("TunerId")}))
            db.Frage(QStringLiteral("SELECT TunerId FROM %1").arg(QLatin1String(tabelle)),
                     [&](const Sqlitezeile& z) { tunerQuelle.insert(z.Zahl(0), QLatin1String(quelle)); });
    QHash<qint64, int> satellitDesDienstes;
    const bool geloescht = db.HatSpalten(s.eintraege, {s.geloeschtSpalte});

    const QString sql =
        QStringLiteral("SELECT i.%1, i.ServiceId, i.%2, %3, s.Name, s.MediaType, %4 FROM %5 i "
                       "JOIN Service s ON s.Pid = i.ServiceId %6 %7")
            .arg(s.listeSpalte, s.nummerSpalte,
                 geloescht ? QStringLiteral("i.") + s.geloeschtSpalte : QStringLiteral("0"),
                 dvb ? (tuner ? QStringLiteral("d.Sid, d.TunerId, t.Oid, t.Tid")
                              : QStringLiteral("d.Sid, d.TunerId, -1, -1"))
                     : QStringLiteral("-1, -1, -1, -1"),
                 s.eintraege, dvb ? QStringLiteral("LEFT JOIN %1 d ON d.ServiceId = s.Pid").arg(s.dvb) : QString(),
                 tuner ? QStringLiteral("LEFT JOIN Tuner t ON t.TunerId = d.TunerId") : QString());
    struct Eintrag {
        int liste;
        qint64 dienst, tunerId;
        Fernsehkanal kanal;
    };
    QList<Eintrag> eintraege;
    db.Frage(sql, [&](const Sqlitezeile& z) {
        const auto liste = listen.constFind(z.Zahl(0));
        if (liste == listen.constEnd())
            return;
        Fernsehkanal kanal;
        kanal.nummer = int(std::clamp<qint64>(z.Zahl(2), 0, 1 << 20));
        kanal.geloescht = z.Zahl(3) != 0;
        kanal.name = z.Text(4);
        const qint64 medium = z.Zahl(5);
        kanal.art = medium == 1 ? Dienstart::Fernsehen : medium == 2 ? Dienstart::Radio : Dienstart::Daten;
        if (!z.IstLeer(6)) {
            kanal.sid = z.Zahl(6);
            kanal.onid = z.IstLeer(8) ? -1 : z.Zahl(8);
            kanal.tsid = z.IstLeer(9) ? -1 : z.Zahl(9);
        }
        if (liste->position)
            satellitDesDienstes.insert(z.Zahl(1), *liste->position);
        eintraege.append({liste->index, z.Zahl(1), z.Zahl(7), std::move(kanal)});
    });
    for (Eintrag& e : eintraege) {
        if (satellitDesDienstes.contains(e.dienst))
            e.kanal.quelle = Satellitenquelle(satellitDesDienstes.value(e.dienst));
        else
            e.kanal.quelle = tunerQuelle.value(e.tunerId);
        fund.NimmAuf(e.liste, std::move(e.kanal));
    }
    return std::move(fund).Fund();
}

} // namespace

bool IstHisenseDatenbank(const Sqlitebild& db) {
    try {
        if ((db.HatTabelle(Loewe2017.listen) && db.HatTabelle(Loewe2017.eintraege)) ||
            (db.HatTabelle(Loewe2021.listen) && db.HatTabelle(Loewe2021.eintraege)))
            return true;
        const QStringList tabellen = db.Tabellen();
        return std::any_of(tabellen.begin(), tabellen.end(), [&](const QString& t) {
            const QRegularExpressionMatch treffer = SvlTabelle.match(t);
            return treffer.hasMatch() && tabellen.contains(QStringLiteral("tsl_") + treffer.captured(1));
        });
    } catch (const Fehler&) {
        return false;
    }
}

ImportFund LeseHisenseDatenbank(const Sqlitebild& db) {
    if (db.HatTabelle(Loewe2017.listen) && db.HatTabelle(Loewe2017.eintraege))
        return LeseServicelist(db, Loewe2017);
    if (db.HatTabelle(Loewe2021.listen) && db.HatTabelle(Loewe2021.eintraege))
        return LeseServicelist(db, Loewe2021);
    const QStringList tabellen = db.Tabellen();
    if (std::none_of(tabellen.begin(), tabellen.end(), [](const QString& t) { return SvlTabelle.match(t).hasMatch(); }))
        throw UnlesbareFernsehliste(db.Datei(), QStringLiteral("es fehlen die Tabellen „svl_1“ bis „svl_4“"));
    return LeseChannelDb(db);
}

} // namespace senvio
