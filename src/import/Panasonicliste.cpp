#include "import/Panasonicliste.h"

#include "import/Fernsehliste.h"
#include "import/Sqlitebild.h"
#include "platform/Fehler.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <optional>

// svl.db is a SQLite file scrambled byte by byte and closed by a checksum; svl.bin holds
// the same database behind a "PSDB" header. The channels are in table SVL.
namespace senvio {

namespace {

const QByteArrayView Verwuerfelt("\x50\xCB\x7D\xA0", 4);
const QByteArrayView Psdb("PSDB");

// Every byte but the checksum is XORed with the high byte of a key that starts at 0x0388
// for each block of 256 bytes and grows by the scrambled byte plus 0x96A3. The checksum
// (CRC-32/MPEG-2) is not checked: the database behind it is, by SQLite as it is read.
QByteArray Entwuerfle(QByteArrayView bytes, const QString& datei) {
    if (bytes.size() < 4 + 16)
        throw UnlesbareFernsehliste(datei, QStringLiteral("sie ist zu kurz"));
    QByteArray klar(bytes.size() - 4, Qt::Uninitialized);
    quint16 schluessel = 0x0388;
    for (qsizetype i = 0; i < klar.size(); ++i) {
        if (i % 256 == 0)
            schluessel = 0x0388;
        const quint8 b = quint8(bytes[i]);
        klar[i] = char(b ^ (schluessel >> 8));
        schluessel = quint16(schluessel + b + 0x96A3);
    }
    return klar;
}

// svl.bin: "PSDB", then at 28 the length of a name that ends the header at 30 + length, then
// the size of the database and the database; the numbers in either byte order.
QByteArray AusPsdb(QByteArrayView bytes, const QString& datei) {
    for (const bool gross : {true, false}) {
        if (bytes.size() < 30)
            break;
        const auto u16 =
            gross ? qFromBigEndian<quint16>(bytes.data() + 28) : qFromLittleEndian<quint16>(bytes.data() + 28);
        const qsizetype kopf = 30 + qsizetype(u16);
        if (kopf + 4 > bytes.size())
            continue;
        const auto groesse =
            gross ? qFromBigEndian<quint32>(bytes.data() + kopf) : qFromLittleEndian<quint32>(bytes.data() + kopf);
        if (qsizetype(groesse) > bytes.size() - kopf - 4)
            continue;
        const QByteArrayView db = bytes.sliced(kopf + 4, groesse);
        if (IstSqlite(db))
            return db.toByteArray();
        if (db.startsWith(Verwuerfelt))
            return Entwuerfle(db, datei);
    }
    throw UnlesbareFernsehliste(datei, QStringLiteral("hinter dem Kopf „PSDB“ steht keine Datenbank"));
}

// sname: a fixed field padded with NUL; UTF-8 in most files, else a DVB text (a table byte
// or Latin-1).
QString Sendername(const QByteArray& roh) {
    const qsizetype null = roh.indexOf('\0');
    const QByteArrayView name = null < 0 ? QByteArrayView(roh) : QByteArrayView(roh).first(null);
    if (!name.isEmpty() && quint8(name[0]) >= 0x20) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(name);
        if (!utf8.hasError())
            return text;
    }
    return DvbText(name);
}

enum Liste { Satellit, Antenne, Kabel, Ip, Analog, Listen };

// ntype: 1 DVB-S, 2 DVB-T, 3 DVB-C, 10 analog antenna, 14 analog cable, 15 IP.
std::optional<Liste> ListeDerArt(qint64 ntype) {
    switch (ntype) {
    case 1:
        return Satellit;
    case 2:
        return Antenne;
    case 3:
        return Kabel;
    case 10:
    case 14:
        return Analog;
    case 15:
        return Ip;
    default:
        return std::nullopt;
    }
}

const char* const Quelle[Listen] = {"S", "T", "C", "I", ""};

} // namespace

bool IstPanasonicListe(QByteArrayView anfang) {
    return anfang.startsWith(Verwuerfelt) || anfang.startsWith(Psdb);
}

ImportFund LesePanasonicListe(const QByteArray& bytes, const QString& datei) {
    if (bytes.size() > GroessteDatenbank + 4096)
        throw Fehler(QStringLiteral("Die Datenbank %1 ist größer als 256 MiB und wird nicht eingelesen.").arg(datei));
    const QByteArray klar = bytes.startsWith(Psdb) ? AusPsdb(bytes, datei)
                            : IstSqlite(bytes)     ? bytes
                                                   : Entwuerfle(bytes, datei);
    const Sqlitebild db(klar, datei);
    const QStringList spalten{
        QStringLiteral("major_channel"), QStringLiteral("sname"),         QStringLiteral("stype"),
        QStringLiteral("onid"),          QStringLiteral("tsid"),          QStringLiteral("svcid"),
        QStringLiteral("ntype"),         QStringLiteral("skip"),          QStringLiteral("profile1index"),
        QStringLiteral("profile2index"), QStringLiteral("profile3index"), QStringLiteral("profile4index")};
    db.PruefeSpalten(QStringLiteral("SVL"), spalten);

    Fernsehfund fund;
    const QString namen[Listen] = {QStringLiteral("Satellit"), QStringLiteral("Antenne"), QStringLiteral("Kabel"),
                                   QStringLiteral("IP"), QStringLiteral("Analog")};
    int listen[Listen];
    for (int l = 0; l < Listen; ++l)
        listen[l] = fund.Liste(namen[l], false);
    int favoriten[4];
    for (int f = 0; f < 4; ++f)
        favoriten[f] = fund.Liste(QStringLiteral("Favoriten %1").arg(f + 1), false);

    db.Frage(QStringLiteral("SELECT %1 FROM SVL").arg(spalten.join(QStringLiteral(", "))), [&](const Sqlitezeile& z) {
        const std::optional<Liste> liste = ListeDerArt(z.Zahl(6));
        if (!liste)
            return;
        Fernsehkanal kanal;
        kanal.nummer = int(std::clamp<qint64>(z.Zahl(0), 0, 1 << 20));
        kanal.name = Sendername(z.Bytes(1));
        if (*liste == Analog) {
            // A preset without name that the TV skips is an empty place, not a station.
            if (kanal.name.trimmed().isEmpty() && z.Zahl(7) != 0)
                return;
            kanal.art = Dienstart::Fernsehen;
        } else {
            kanal.art = DvbDienstart(z.Zahl(2));
            kanal.quelle = QLatin1String(Quelle[*liste]);
            kanal.onid = z.Zahl(3);
            kanal.tsid = z.Zahl(4);
            kanal.sid = z.Zahl(5);
        }
        // profileNindex: the place in favourites list N, 0 for none.
        for (int f = 0; f < 4; ++f) {
            Fernsehkanal favorit = kanal;
            favorit.nummer = int(std::clamp<qint64>(z.Zahl(8 + f), 0, 1 << 20));
            fund.NimmAuf(favoriten[f], std::move(favorit));
        }
        fund.NimmAuf(listen[*liste], std::move(kanal));
    });
    return std::move(fund).Fund();
}

} // namespace senvio
