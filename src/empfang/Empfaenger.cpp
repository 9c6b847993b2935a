#include "empfang/Empfaenger.h"

#include "empfang/Empfangsantwort.h"
#include "import/Bouquets.h"
#include "import/Import.h"
#include "import/Wiedergabeliste.h"

#include <QSet>

namespace senvio {

namespace {

Empfangsfund HoleEnigma2(Abruf& abruf, const Empfangsziel&);
Empfangsfund HoleRouter(Abruf& abruf, const Empfangsziel&);
Empfangsfund HoleTvheadend(Abruf& abruf, const Empfangsziel& ziel);

// The three kinds of box: what the user sees, what the command line and the list's sources
// file say, the default port and the way the list is fetched; in the order of detection.
struct Artbeschreibung {
    Empfaengerart art;
    QString name;
    QString kennung;
    QString geraet; // in messages
    int port;
    Empfangsfund (*hole)(Abruf&, const Empfangsziel&);
};

const Artbeschreibung Arten[] = {
    {Empfaengerart::Enigma2, QStringLiteral("Enigma2"), QStringLiteral("enigma2"),
     QStringLiteral("ein Enigma2-Receiver"), 80, HoleEnigma2},
    {Empfaengerart::Router, QStringLiteral("Kabel-Router"), QStringLiteral("router"),
     QStringLiteral("ein Kabel-Router"), 80, HoleRouter},
    {Empfaengerart::Tvheadend, QStringLiteral("tvheadend"), QStringLiteral("tvheadend"),
     QStringLiteral("ein tvheadend-Server"), 9981, HoleTvheadend},
};

// "Automatisch" stands for no box of its own: the last kind answers for it where one must.
const Artbeschreibung& Beschreibung(Empfaengerart art) {
    for (const Artbeschreibung& a : Arten)
        if (a.art == art)
            return a;
    return Arten[std::size(Arten) - 1];
}

// A login page or an error page where a list was asked for.
bool IstWebseite(QByteArrayView bytes) {
    const QByteArray anfang = bytes.first(std::min<qsizetype>(bytes.size(), 512)).toByteArray().trimmed().toLower();
    return anfang.startsWith("<!doctype html") || anfang.startsWith("<html") || anfang.contains("<head");
}

Abruffehler Unerwartet(const Abruf& abruf, Empfaengerart art, const QString& was, QByteArrayView bytes) {
    const QString gegenstelle = Gegenstelle(abruf.Basis());
    if (bytes.trimmed().isEmpty())
        return {Abrufgrund::Unerwartet,
                QStringLiteral("%1 hat auf die Frage nach %2 eine leere Antwort geschickt.").arg(gegenstelle, was)};
    if (IstWebseite(bytes))
        return {Abrufgrund::Unerwartet,
                QStringLiteral("%1 hat statt %2 eine Webseite geschickt, vielleicht eine Anmeldeseite. Ist die "
                               "richtige Art des Geräts gewählt, und erlaubt es den Abruf?")
                    .arg(gegenstelle, was)};
    return {Abrufgrund::Unerwartet, QStringLiteral("Die Antwort von %1 auf die Frage nach %2 ist nicht, was %3 "
                                                   "schickt.")
                                        .arg(gegenstelle, was, Beschreibung(art).geraet)};
}

QString Kodiert(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text, "/"));
}

// An error that says the box is there but will not give this list: another way may work.
bool AndererWegMoeglich(const Abruffehler& fehler) {
    return fehler.grund() == Abrufgrund::HttpFehler || fehler.grund() == Abrufgrund::Unerwartet;
}

void PruefeFund(const Abruf& abruf, const ImportFund& fund) {
    if (fund.sender.isEmpty())
        throw Abruffehler(
            Abrufgrund::Unerwartet,
            QStringList(
                QStringList{QStringLiteral("Auf %1 wurden keine Sender gefunden.").arg(Gegenstelle(abruf.Basis()))} +
                fund.hinweise)
                .join(u'\n'));
}

// The bouquet set as the JSON interface tells it, written as the files it stands for.
ImportFund LeseEnigma2Schnittstelle(Abruf& abruf) {
    QHash<QString, QByteArray> dateien;
    for (const bool radio : {false, true}) {
        std::optional<QList<Enigma2Bouquet>> bouquets;
        const QString frage = radio ? QStringLiteral("/api/bouquets?stype=radio") : QStringLiteral("/api/bouquets");
        try {
            const QByteArray antwort = abruf.Hole(frage);
            bouquets = LeseEnigma2Bouquets(antwort);
            if (!bouquets)
                throw Unerwartet(abruf, Empfaengerart::Enigma2, QStringLiteral("den Bouquets"), antwort);
        } catch (const Abruffehler& fehler) {
            // A box without radio bouquets in its interface still gives its TV.
            if (!radio || !AndererWegMoeglich(fehler))
                throw;
            continue;
        }
        const QString endung = radio ? QStringLiteral("radio") : QStringLiteral("tv");
        QStringList namen;
        for (qsizetype i = 0; i < bouquets->size(); ++i) {
            const Enigma2Bouquet& bouquet = (*bouquets)[i];
            QString datei = Enigma2Bouquetdatei(bouquet.referenz);
            if (datei.isEmpty() || dateien.contains(datei) || datei.startsWith(QLatin1String("bouquets.")) ||
                datei.startsWith(QLatin1String("lamedb")))
                datei = QStringLiteral("userbouquet.senvio%1.%2").arg(i).arg(endung);
            const QByteArray antwort = abruf.Hole(QStringLiteral("/api/getservices?sRef=") + Kodiert(bouquet.referenz));
            const std::optional<QByteArray> text = Enigma2Bouquettext(bouquet.name, antwort);
            if (!text)
                throw Unerwartet(abruf, Empfaengerart::Enigma2,
                                 QStringLiteral("den Sendern von „%1“").arg(bouquet.name), antwort);
            dateien.insert(datei, *text);
            namen << datei;
        }
        dateien.insert(QStringLiteral("bouquets.") + endung, Enigma2Obertext(endung, namen));
    }
    return LeseBouquets(BouquetWahl::Beide, [&](const QString& name) {
        const auto datei = dateien.constFind(name);
        return datei == dateien.cend() ? Bouquetinhalt() : Bouquetinhalt(*datei);
    });
}

Empfangsfund HoleEnigma2(Abruf& abruf, const Empfangsziel&) {
    Empfangsfund e{{}, Empfaengerart::Enigma2, abruf.Basis(), {}, {}};
    const auto datei = [&](const QString& name) {
        return abruf.HoleFallsDa(QStringLiteral("/file?file=/etc/enigma2/") + Kodiert(name));
    };
    // The box's own files where it lets them be downloaded: read as from disk.
    std::optional<QByteArray> ober;
    try {
        ober = datei(QStringLiteral("bouquets.tv"));
    } catch (const Abruffehler& fehler) {
        if (!AndererWegMoeglich(fehler))
            throw;
    }
    if (ober && IstBouquetDatei(*ober)) {
        e.fund = LeseBouquets(BouquetWahl::Beide, [&](const QString& name) {
            return Bouquetinhalt(name == QLatin1String("bouquets.tv") ? ober : datei(name));
        });
    } else {
        try {
            e.fund = LeseEnigma2Schnittstelle(abruf);
        } catch (const Abruffehler& fehler) {
            // Neither way gave a list: what the file download sent says more.
            if (ober && AndererWegMoeglich(fehler))
                throw Unerwartet(abruf, Empfaengerart::Enigma2, QStringLiteral("der Datei bouquets.tv"), *ober);
            throw;
        }
    }
    PruefeFund(abruf, e.fund);
    for (const ImportSender& s : e.fund.sender)
        if (!s.referenz.isEmpty() && !s.platzhalter && !s.logoSchluessel.isEmpty())
            e.logos.insert(s.referenz, s.logoSchluessel);
    return e;
}

Empfangsfund HoleRouter(Abruf& abruf, const Empfangsziel&) {
    Empfangsfund e{{}, Empfaengerart::Router, abruf.Basis(), {}, {}};
    for (const QString& name : {QStringLiteral("tvhd.m3u"), QStringLiteral("tvsd.m3u"), QStringLiteral("radio.m3u")}) {
        const std::optional<QByteArray> liste = abruf.HoleFallsDa(QStringLiteral("/dvb/m3u/") + name);
        if (!liste)
            continue;
        if (!IstWiedergabeliste(*liste))
            throw Unerwartet(abruf, Empfaengerart::Router, name, *liste);
        HaengeFundAn(e.fund, LeseWiedergabeliste(*liste, name));
    }
    if (e.fund.gruppen.isEmpty())
        throw Abruffehler(Abrufgrund::Unerwartet,
                          QStringLiteral("%1 bietet unter /dvb/m3u/ keine Senderliste an. Ist es ein Kabel-Router "
                                         "mit DVB-C-Empfang?")
                              .arg(Gegenstelle(abruf.Basis())));
    PruefeFund(abruf, e.fund);
    return e;
}

// The channels by one of tvheadend's ways; nothing where the playlist is not there or not one.
// `antwort` keeps what the box sent.
std::optional<ImportFund> LeseTvheadend(Abruf& abruf, Tvheadendweg weg, std::optional<QByteArray>& antwort) {
    if (weg == Tvheadendweg::Kanalraster) {
        antwort = abruf.Hole(QStringLiteral("/api/channel/grid?limit=100000"));
        return LeseTvheadendKanaele(*antwort);
    }
    antwort = abruf.HoleFallsDa(QStringLiteral("/playlist/channels.m3u"));
    if (!antwort || !IstWiedergabeliste(*antwort))
        return std::nullopt;
    ImportFund fund = LeseWiedergabeliste(*antwort, QStringLiteral("tvheadend"));
    // A logged-in playlist gives each address a ticket of its own: the channel is its path.
    for (ImportSender& s : fund.sender)
        if (const qsizetype frage = s.referenz.indexOf(u'?'); frage >= 0)
            s.referenz.truncate(frage);
    return fund;
}

Empfangsfund HoleTvheadend(Abruf& abruf, const Empfangsziel& ziel) {
    Empfangsfund e{{}, Empfaengerart::Tvheadend, abruf.Basis(), {}, {}};
    // The playlist first, unless the list came by the channel grid before.
    const bool rasterZuerst = ziel.weg == Tvheadendweg::Kanalraster;
    const Tvheadendweg wege[] = {rasterZuerst ? Tvheadendweg::Kanalraster : Tvheadendweg::Wiedergabeliste,
                                 rasterZuerst ? Tvheadendweg::Wiedergabeliste : Tvheadendweg::Kanalraster};
    std::optional<QByteArray> erste, zweite;
    std::optional<ImportFund> fund;
    std::optional<Abruffehler> grund;
    try {
        fund = LeseTvheadend(abruf, wege[0], erste);
    } catch (const Abruffehler& fehler) {
        if (!AndererWegMoeglich(fehler))
            throw;
        grund = fehler;
    }
    e.weg = wege[0];
    if (!fund) {
        fund = LeseTvheadend(abruf, wege[1], zweite);
        e.weg = wege[1];
    }
    // The grid's own error says more than a missing playlist.
    if (!fund && rasterZuerst && grund)
        throw *grund;
    if (!fund)
        throw Unerwartet(abruf, Empfaengerart::Tvheadend, QStringLiteral("den Kanälen"),
                         erste ? QByteArrayView(*erste) : QByteArrayView(zweite.value_or(QByteArray())));
    e.fund = std::move(*fund);
    PruefeFund(abruf, e.fund);
    for (const ImportSender& s : e.fund.sender)
        if (!s.referenz.isEmpty() && !s.logo.isEmpty())
            e.logos.insert(s.referenz, {s.logo});
    return e;
}

Empfangsfund HoleArt(const Empfangsziel& ziel, Empfaengerart art, int wartezeit, const Abruffortschritt& fortschritt,
                     QNetworkAccessManager* netz) {
    const Artbeschreibung& beschreibung = Beschreibung(art);
    Abruf abruf(LeseEmpfaengeradresse(ziel.adresse, beschreibung.port), ziel.benutzer, ziel.passwort, netz);
    abruf.SetzeWartezeit(wartezeit);
    abruf.SetzeFortschritt(fortschritt);
    return beschreibung.hole(abruf, ziel);
}

} // namespace

QString Artname(Empfaengerart art) {
    return art == Empfaengerart::Automatisch ? QStringLiteral("Automatisch erkennen") : Beschreibung(art).name;
}

QString Artkennung(Empfaengerart art) {
    return art == Empfaengerart::Automatisch ? QStringLiteral("automatisch") : Beschreibung(art).kennung;
}

std::optional<Empfaengerart> LeseEmpfaengerart(const QString& text) {
    const QString art = text.toLower();
    for (const Artbeschreibung& a : Arten)
        if (art == a.kennung)
            return a.art;
    if (art == QLatin1String("automatisch"))
        return Empfaengerart::Automatisch;
    return std::nullopt;
}

Empfangsfund HoleSenderliste(const Empfangsziel& ziel, const Abruffortschritt& fortschritt,
                             QNetworkAccessManager* netz) {
    if (ziel.art != Empfaengerart::Automatisch)
        return HoleArt(ziel, ziel.art, ziel.wartezeit, fortschritt, netz);
    std::optional<Abruffehler> erster;
    bool gleicherGrund = true;
    for (const Artbeschreibung& art : Arten) {
        try {
            return HoleArt(ziel, art.art, std::min(ziel.wartezeit, ziel.erkennungszeit), fortschritt, netz);
        } catch (const Abruffehler& fehler) {
            // The box is found, but wants something of the user.
            if (fehler.grund() == Abrufgrund::AnmeldungNoetig || fehler.grund() == Abrufgrund::AnmeldungFalsch ||
                fehler.grund() == Abrufgrund::Abgebrochen || fehler.grund() == Abrufgrund::Tls ||
                fehler.grund() == Abrufgrund::Grenze)
                throw;
            if (!erster)
                erster = fehler;
            gleicherGrund = gleicherGrund && fehler.grund() == erster->grund();
        }
    }
    if (gleicherGrund && (erster->grund() == Abrufgrund::KeineAntwort || erster->grund() == Abrufgrund::Verbindung))
        throw *erster;
    throw Abruffehler(Abrufgrund::Unerwartet,
                      QStringLiteral("Unter %1 antwortet weder ein Enigma2-Receiver noch ein Kabel-Router noch ein "
                                     "tvheadend-Server. Wählen Sie die Art des Geräts, dann nennt Senvio den genauen "
                                     "Fehler.")
                          .arg(Gegenstelle(LeseEmpfaengeradresse(ziel.adresse, 80))));
}

QHash<QString, QByteArray> HoleLogos(const Empfangsziel& ziel, const Empfangsfund& fund, const QStringList& referenzen,
                                     const Abruffortschritt& fortschritt, QNetworkAccessManager* netz) {
    Abruf abruf(fund.basis, ziel.benutzer, ziel.passwort, netz);
    abruf.SetzeWartezeit(ziel.wartezeit);
    abruf.SetzeFortschritt(fortschritt);
    QHash<QString, QByteArray> logos;
    QSet<QString> gefragt;
    for (const QString& referenz : referenzen) {
        const auto namen = fund.logos.constFind(referenz);
        if (namen == fund.logos.cend() || gefragt.contains(referenz))
            continue;
        gefragt.insert(referenz);
        for (const QString& name : *namen) {
            std::optional<QByteArray> bild;
            try {
                bild = fund.art == Empfaengerart::Enigma2
                           ? abruf.HoleFallsDa(QStringLiteral("/picon/") + Kodiert(name) + QStringLiteral(".png"))
                           : abruf.HoleAdresse(QUrl(name));
            } catch (const Abruffehler& fehler) {
                if (!AndererWegMoeglich(fehler))
                    throw;
            }
            if (bild && bild->startsWith("\x89PNG\r\n\x1a\n")) {
                logos.insert(referenz, *bild);
                break;
            }
        }
    }
    return logos;
}

} // namespace senvio
