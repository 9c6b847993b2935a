#include "import/Tclliste.h"

#include "import/Fernsehliste.h"
#include "import/Sqlitebild.h"
#include "platform/Fehler.h"

#include <QMap>
#include <QStringDecoder>

#include <algorithm>

// DtvData.db: ProgramInfoTbl holds the services, AtrributeTbl (sic) their kind and flags by
// u32Index, MuxInfoTbl the network and transport stream by u16MuxTblID, CurCIOPSerType the
// reception of each u8DtvRoute ("dvbc", "dvbt", "dvbs").
namespace senvio {

namespace {

constexpr qint64 KeineNummer = 65535;
constexpr qint64 FavoritenBit = 0x01;
constexpr qint64 GeloeschtBit = 0x10;

// Names are padded with blanks or NULs; UTF-8, or Latin-1 where the bytes are no UTF-8.
QString Dienstname(QByteArrayView bytes) {
    const qsizetype null = bytes.indexOf('\0');
    if (null >= 0)
        bytes.truncate(null);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text.trimmed();
}

struct Route {
    QString liste;
    QString quelle;
    QList<Fernsehkanal> kanaele;
    QList<Fernsehkanal> favoriten;
};

// A list per reception, named as the offered lists are; another route keeps its own name.
Route RouteNamens(const QString& name) {
    const QString klein = name.trimmed().toLower();
    if (klein.startsWith(u"dvbc"))
        return {QStringLiteral("Kabel"), QStringLiteral("C"), {}, {}};
    if (klein.startsWith(u"dvbs"))
        return {QStringLiteral("Satellit"), QStringLiteral("S"), {}, {}};
    if (klein.startsWith(u"dvbt"))
        return {QStringLiteral("Antenne"), QStringLiteral("T"), {}, {}};
    return {name.trimmed().isEmpty() ? QStringLiteral("Liste") : name.trimmed(), QString(), {}, {}};
}

} // namespace

bool IstTclArchiv(const QList<Archivteil>& teile) {
    return FindeArchivteil(teile, u"DtvData.db") != nullptr;
}

ImportFund LeseTclArchiv(const QList<Archivteil>& teile, const QString& datei) {
    const Archivteil* teil = FindeArchivteil(teile, u"DtvData.db");
    if (!teil)
        throw UnlesbareFernsehliste(datei, QStringLiteral("es fehlt die Datenbank „DtvData.db“"));
    const Sqlitebild db(teil->bytes, datei + u'/' + teil->name);
    db.PruefeSpalten(QStringLiteral("ProgramInfoTbl"),
                     {QStringLiteral("u32Index"), QStringLiteral("ProgNum"), QStringLiteral("ServiceName"),
                      QStringLiteral("ServiceID"), QStringLiteral("EditFlag"), QStringLiteral("u16MuxTblID"),
                      QStringLiteral("u8DtvRoute")});
    db.PruefeSpalten(QStringLiteral("AtrributeTbl"), {QStringLiteral("u32Index"), QStringLiteral("RealServiceType")});
    db.PruefeSpalten(QStringLiteral("CurCIOPSerType"), {QStringLiteral("u8DtvRoute"), QStringLiteral("RouteName")});
    const bool loeschbar = db.HatSpalten(QStringLiteral("AtrributeTbl"), {QStringLiteral("IsDelete")});
    const bool mux =
        db.HatSpalten(QStringLiteral("MuxInfoTbl"), {QStringLiteral("u16MuxTblID"), QStringLiteral("OriginalNetworkId"),
                                                     QStringLiteral("TransportStreamId")});

    QMap<qint64, Route> routen;
    db.Frage(QStringLiteral("SELECT u8DtvRoute, RouteName FROM CurCIOPSerType"), [&](const Sqlitezeile& z) {
        if (!routen.contains(z.Zahl(0)))
            routen.insert(z.Zahl(0), RouteNamens(z.Text(1)));
    });
    const QString sql =
        QStringLiteral("SELECT p.ProgNum, cast(p.ServiceName AS blob), p.ServiceID, p.EditFlag, p.u8DtvRoute, "
                       "(SELECT a.RealServiceType FROM AtrributeTbl a WHERE a.u32Index = p.u32Index LIMIT 1), %1, %2 "
                       "FROM ProgramInfoTbl p")
            .arg(loeschbar ? QStringLiteral("(SELECT a.IsDelete FROM AtrributeTbl a WHERE a.u32Index = p.u32Index "
                                            "LIMIT 1)")
                           : QStringLiteral("0"),
                 mux ? QStringLiteral("(SELECT m.OriginalNetworkId || ' ' || m.TransportStreamId FROM MuxInfoTbl m "
                                      "WHERE m.u16MuxTblID = p.u16MuxTblID LIMIT 1)")
                     : QStringLiteral("NULL"));
    db.Frage(sql, [&](const Sqlitezeile& z) {
        const auto route = routen.find(z.Zahl(4));
        if (route == routen.end())
            return; // a route the TV does not name holds no list
        Fernsehkanal k;
        k.nummer = z.Zahl(0) > 0 && z.Zahl(0) < KeineNummer ? int(z.Zahl(0)) : 0;
        k.name = Dienstname(z.Bytes(1));
        k.art = DvbDienstart(z.Zahl(5));
        k.geloescht = (z.Zahl(3) & GeloeschtBit) != 0 || z.Zahl(6) != 0;
        const QStringList netz = z.Text(7).split(u' ');
        if (!route->quelle.isEmpty() && netz.size() == 2) {
            k.quelle = route->quelle;
            k.onid = netz[0].toLongLong();
            k.tsid = netz[1].toLongLong();
            k.sid = z.Zahl(2);
        }
        if (z.Zahl(3) & FavoritenBit)
            route->favoriten.append(k);
        route->kanaele.append(std::move(k));
    });

    Fernsehfund fund;
    QList<Fernsehkanal> favoriten;
    for (Route& route : routen) {
        const int liste = fund.Liste(route.liste, RadioZaehltAbEins(route.kanaele));
        for (Fernsehkanal& k : route.kanaele)
            fund.NimmAuf(liste, std::move(k));
        // The favourites list shows TV, then radio, each in the order of the TV's numbers.
        std::stable_sort(route.favoriten.begin(), route.favoriten.end(), [](const auto& a, const auto& b) {
            return std::pair(a.art == Dienstart::Radio, a.nummer) < std::pair(b.art == Dienstart::Radio, b.nummer);
        });
        favoriten += route.favoriten;
    }
    const int liste = fund.Liste(QStringLiteral("Favoriten 1"), false);
    int position = 0;
    for (Fernsehkanal& k : favoriten) {
        if (k.art == Dienstart::Daten || k.geloescht || k.nummer <= 0)
            continue;
        k.nummer = ++position;
        fund.NimmAuf(liste, std::move(k));
    }
    return std::move(fund).Fund();
}

} // namespace senvio
