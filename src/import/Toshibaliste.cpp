#include "import/Toshibaliste.h"

#include "import/Fernsehliste.h"
#include "import/Sqlitebild.h"
#include "platform/Fehler.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <limits>

// chmgt.db holds one table per reception: EuroSATChanList (satellite), EuroDTVChanList
// (cable or antenna), EuroATVChanList (analog). list_bits tells in which of the TV's
// numberings a channel is: TV and radio each count from 1.
namespace senvio {

namespace {

constexpr qint64 FernsehBit = 0x10000;
constexpr qint64 RadioBit = 0x20000;
// Favourites A–D: 0x100000, 0x200000, 0x400000, 0x800000.
constexpr qint64 ErstesFavoritenBit = 0x100000;
constexpr int Favoritenlisten = 4;
using Favoriten = std::array<QList<Fernsehkanal>, Favoritenlisten>;

// Labels are UTF-8 text, with the emphasis codes as U+0086/U+0087; bytes that are no
// UTF-8 are read as Latin-1. Control codes are dropped.
QString Beschriftung(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.removeIf([](QChar z) { return z.unicode() < 0x20 || (z.unicode() >= 0x7F && z.unicode() <= 0x9F); });
    return text;
}

// The source of each satellite_id of dvbSysData.db ("S19.2E"; west_east_flag 0 = west).
QHash<qint64, QString> Satellitenquellen(const QList<Archivteil>& teile, const QString& datei) {
    QHash<qint64, QString> quellen;
    const Archivteil* teil = FindeArchivteil(teile, u"dvbSysData.db");
    if (!teil || !IstSqlite(teil->bytes))
        return quellen;
    const Sqlitebild db(teil->bytes, datei + u'/' + teil->name);
    if (!db.HatSpalten(QStringLiteral("satellite"), {QStringLiteral("satellite_id"), QStringLiteral("orbital_position"),
                                                     QStringLiteral("west_east_flag")}))
        return quellen;
    // One row per transponder; they agree on the position.
    db.Frage(QStringLiteral("SELECT satellite_id, orbital_position, west_east_flag FROM satellite"),
             [&](const Sqlitezeile& z) {
                 const int zehntel = int(std::clamp<qint64>(z.Zahl(1), 0, 1800));
                 if (!quellen.contains(z.Zahl(0)))
                     quellen.insert(z.Zahl(0), Satellitenquelle(z.Zahl(2) == 0 ? -zehntel : zehntel));
             });
    return quellen;
}

// EuroDTVChanList does not say cable or antenna; terrestrial networks carry an
// original_network_id of 0x2000 + the country code, cable networks others.
bool IstAntenne(const Sqlitebild& db) {
    bool antenne = false;
    db.Frage(QStringLiteral("SELECT count(CASE WHEN onid BETWEEN 8192 AND 9215 THEN 1 END) * 2 > count(*) "
                            "FROM EuroDTVChanList"),
             [&](const Sqlitezeile& z) { antenne = z.Zahl(0) != 0; });
    return antenne;
}

void LiesDigitaleListe(const Sqlitebild& db, const QString& tabelle, const QHash<qint64, QString>& satelliten,
                       const QString& quelle, Fernsehfund& fund, int liste, Favoriten& favoriten) {
    db.PruefeSpalten(tabelle,
                     {QStringLiteral("channel_number"), QStringLiteral("channel_label"), QStringLiteral("list_bits"),
                      QStringLiteral("onid"), QStringLiteral("tsid"), QStringLiteral("sid")});
    const bool satSpalte = quelle == QStringLiteral("S") && db.HatSpalten(tabelle, {QStringLiteral("sat_id")});
    Favoriten hier;
    db.Frage(
        QStringLiteral("SELECT channel_number, cast(channel_label AS blob), list_bits, onid, tsid, sid, %1 "
                       "FROM \"%2\"")
            .arg(satSpalte ? QStringLiteral("sat_id") : QStringLiteral("NULL"), tabelle),
        [&](const Sqlitezeile& z) {
            Fernsehkanal k;
            k.nummer = Kanalnummer(z.Zahl(0));
            k.name = Beschriftung(z.Bytes(1));
            const qint64 bits = z.Zahl(2);
            k.art = bits & RadioBit ? Dienstart::Radio : bits & FernsehBit ? Dienstart::Fernsehen : Dienstart::Daten;
            k.quelle = z.IstLeer(6) ? quelle : satelliten.value(z.Zahl(6), quelle);
            k.onid = z.Zahl(3);
            k.tsid = z.Zahl(4);
            k.sid = z.Zahl(5);
            for (int f = 0; f < Favoritenlisten; ++f)
                if (bits & (ErstesFavoritenBit << f))
                    hier[f].append(k);
            fund.NimmAuf(liste, std::move(k));
        });
    // A favourites list shows TV, then radio, each in the order of the TV's numbers.
    for (int f = 0; f < Favoritenlisten; ++f) {
        std::stable_sort(hier[f].begin(), hier[f].end(), [](const Fernsehkanal& a, const Fernsehkanal& b) {
            return std::pair(a.art == Dienstart::Radio, a.nummer) < std::pair(b.art == Dienstart::Radio, b.nummer);
        });
        favoriten[f] += hier[f];
    }
}

// Analog presets in the TV list (a TV bit) keep their number; the reference is the frequency.
void LiesAnalogeListe(const Sqlitebild& db, Fernsehfund& fund) {
    db.PruefeSpalten(QStringLiteral("EuroATVChanList"),
                     {QStringLiteral("channel_number"), QStringLiteral("channel_label"), QStringLiteral("list_bits")});
    const bool frequenz = db.HatSpalten(QStringLiteral("EuroATVChanList"), {QStringLiteral("frequency")});
    const int liste = fund.Liste(QStringLiteral("Analog"), false);
    db.Frage(QStringLiteral("SELECT channel_number, cast(channel_label AS blob), list_bits, %1 FROM EuroATVChanList")
                 .arg(frequenz ? QStringLiteral("frequency") : QStringLiteral("0")),
             [&](const Sqlitezeile& z) {
                 Fernsehkanal k;
                 k.nummer = Kanalnummer(z.Zahl(0));
                 k.name = Beschriftung(z.Bytes(1));
                 k.art = z.Zahl(2) & FernsehBit ? Dienstart::Fernsehen : Dienstart::Daten;
                 if (z.Zahl(3) > 0)
                     k.referenz = QStringLiteral("A-") + QString::number(z.Zahl(3));
                 fund.NimmAuf(liste, std::move(k));
             });
}

} // namespace

bool IstToshibaArchiv(const QList<Archivteil>& teile) {
    return FindeArchivteil(teile, u"chmgt.db") != nullptr;
}

ImportFund LeseToshibaArchiv(const QList<Archivteil>& teile, const QString& datei) {
    const Archivteil* teil = FindeArchivteil(teile, u"chmgt.db");
    if (!teil)
        throw UnlesbareFernsehliste(datei, QStringLiteral("es fehlt die Datenbank „chmgt.db“"));
    const Sqlitebild db(teil->bytes, datei + u'/' + teil->name);
    Fernsehfund fund;
    Favoriten favoriten;
    const QString sat = QStringLiteral("EuroSATChanList"), dtv = QStringLiteral("EuroDTVChanList");
    if (!db.HatTabelle(sat) && !db.HatTabelle(dtv))
        db.PruefeSpalten(sat, {});
    if (db.HatTabelle(dtv)) {
        db.PruefeSpalten(dtv, {QStringLiteral("onid")});
        const bool antenne = IstAntenne(db);
        LiesDigitaleListe(db, dtv, {}, antenne ? QStringLiteral("T") : QStringLiteral("C"), fund,
                          fund.Liste(antenne ? QStringLiteral("Antenne") : QStringLiteral("Kabel"), true), favoriten);
    }
    // The TV numbers its satellites through in one list.
    if (db.HatTabelle(sat))
        LiesDigitaleListe(db, sat, Satellitenquellen(teile, datei), QStringLiteral("S"), fund,
                          fund.Liste(QStringLiteral("Satellit"), true), favoriten);
    if (db.HatTabelle(QStringLiteral("EuroATVChanList")))
        LiesAnalogeListe(db, fund);
    for (int f = 0; f < Favoritenlisten; ++f) {
        const int liste = fund.Liste(QStringLiteral("Favoriten %1").arg(f + 1), false);
        int position = 0;
        for (Fernsehkanal& kanal : favoriten[f]) {
            if (kanal.art == Dienstart::Daten || kanal.nummer <= 0)
                continue;
            kanal.nummer = ++position;
            fund.NimmAuf(liste, std::move(kanal));
        }
    }
    return std::move(fund).Fund();
}

} // namespace senvio
