// Measures the automatic logo matching against a generated library: 5,000 small PNG
// logos named as downloaded collections name them (the station's name, its key, its key
// in German spelling, a receiver's service reference), from invented stations, with
// decoys one letter off; the broadcasters' logos beside their regional programmes (the
// ARD's and ORF's, and invented ones); broken files named like stations (empty, cut off
// halfway, an error page saved as .png). A list of 1,000 entries is written as real lists
// write names. Prints how many entries got the right logo without asking, how many a
// wrong one (a broken file is a wrong one), where the right one stands among the
// proposals, how many broken files of the list's stations were passed over, and the time
// of reading the library and of matching all entries. Prints figures only.
//
//   logo-zuordnung-bench [Läufe]

#include "Kindlauf.h"
#include "list/Logoschluessel.h"
#include "logos/Logozuordnung.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

std::mt19937 zufall(20261206);
int Wuerfel(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(zufall);
}
bool Chance(int prozent) {
    return Wuerfel(100) < prozent;
}
template <typename T, std::size_t N> const T& Eins(const T (&auswahl)[N]) {
    return auswahl[Wuerfel(int(N))];
}

const char* const Silben[] = {"ber", "wald", "über", "grün", "straß", "mön", "kö",  "tal", "see",  "feld", "ach",
                              "lin", "rost", "ha",   "fen",  "sü",    "döl", "maß", "wei", "ster", "nord", "ost",
                              "ka",  "ro",   "mi",   "la",   "tu",    "ne",  "bra", "vo",  "gel",  "lä",   "sa",
                              "rin", "dorf", "bü",   "hel",  "mar",   "zen", "pi",  "fö",  "gu",   "bä",   "lu"};
const char* const Vorne[] = {"Radio", "Kanal", "TV",      "Sender",   "Welle",  "Studio", "Bühne", "Sport", "Kino",
                             "Musik", "Doku",  "Klassik", "Regional", "Heimat", "",       "",      "",      ""};
const char* const Hinten[] = {"",  "",     "",     "",    "1",    "2",  "24",   "Plus",
                              "+", "Info", "Kids", "Süd", "Nord", "TV", "Live", "* Gold"};
const char* const Gruppen[] = {"Deutschland", "Österreich", "Schweiz", "Sport", "Radio", "Regional"};

QString Wort() {
    QString wort;
    for (int i = 0, n = 2 + Wuerfel(2); i < n; ++i)
        wort += QString::fromUtf8(Eins(Silben));
    wort[0] = wort[0].toUpper();
    return wort;
}

QString Sendername() {
    QString name = QString::fromUtf8(Eins(Vorne)) + QLatin1Char(' ') + Wort();
    if (Chance(8))
        name += QStringLiteral(" & ") + Wort();
    return (name + QLatin1Char(' ') + QString::fromUtf8(Eins(Hinten))).simplified();
}

QStringList Schluessel(const QString& name) {
    const senvio::Namensschluessel s = senvio::SchluesselDesNamens(name);
    return s.regel[0] + s.regel[1] + s.regel[2];
}

struct Sender {
    QString name;       // without a quality word
    bool hd = false;    // its logo file is named with "HD"
    int stil = 0;       // 0 the name, 1 the key, 2 the German key, 3 a service reference
    QStringList picons; // the names a bouquet import brings for it
    QStringList dateien;
    QStringList kaputt; // its broken files
};

// A broadcaster with its logo files (with "hd" in the name, without) and the names its
// regional programmes carry in lists.
struct Anstalt {
    QString kuerzel;  // "BR", "ORF3"
    QString hd, ohne; // paths, empty when the library has no such file
    QStringList programme;
};

struct Bibliothek {
    std::vector<Sender> sender;
    std::vector<Anstalt> anstalten;
    int dateien = 0;
    int beschaedigt = 0;
    QHash<QString, int> senderDerDatei; // path → station; decoys and broken files are not in it
    QSet<QString> kaputt;               // every broken file
    std::vector<int> mitKaputt;         // the stations with a broken file, all put into the list
};

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(pfad));
        std::exit(1);
    }
}

// A small logo, a badge in a colour of its own on a transparent ground: the matching now
// decodes its candidates, and small files keep the figures about the matching.
QByteArray Png(int nummer) {
    QImage bild(32, 18, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    const QRgb farbe = qRgba(nummer & 0xff, (nummer >> 8) & 0xff, 160, 255);
    for (int y = 3; y < 15; ++y)
        for (int x = 2; x < 30; ++x)
            bild.setPixel(x, y, farbe);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return puffer.data();
}

// The broken files of downloads, in turn: empty, cut off halfway, an error page.
QByteArray Kaputt(int nummer) {
    switch (nummer % 3) {
    case 0:
        return {};
    case 1:
        return Png(nummer).left(Png(nummer).size() / 2);
    }
    return "<!DOCTYPE html><html><head><title>404 Not Found</title></head><body>nginx</body></html>\n";
}

QString Basisname(const QString& pfad) {
    const QString name = pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
    return name.left(name.lastIndexOf(QLatin1Char('.')));
}

// The ARD's regional programmes and ORF's as receivers name them; which of the files
// "kürzel" + "hd" and "kürzel" the library holds ("orf3hd.png" is ORF III's logo).
struct EchteAnstalt {
    const char* kuerzel;
    bool hd, ohne;
    std::vector<const char*> programme;
};
const EchteAnstalt EchteAnstalten[] = {
    {"BR", true, false, {"BR Süd HD", "BR Nord HD", "BR Fernsehen Süd"}},
    {"NDR", true, false, {"NDR FS NDS HD", "NDR FS HH HD", "NDR FS MV", "NDR FS SH HD"}},
    {"MDR", true, false, {"MDR Sachsen HD", "MDR S-Anhalt HD", "MDR Thüringen HD"}},
    {"SWR", true, false, {"SWR RP HD", "SWR BW HD"}},
    {"rbb", true, false, {"rbb Berlin HD", "rbb Brandenburg HD"}},
    {"SR", true, false, {"SR Fernsehen HD"}},
    {"hr", false, true, {"hr-fernsehen HD", "hr-fernsehen"}},
    {"WDR", true, true, {"WDR HD Köln", "WDR HD Dortmund", "WDR Aachen", "WDR Bielefeld"}},
    {"ORF3", true, false, {"ORF III", "ORF III HD"}},
    {"ORF2", true, true, {"ORF 2 Wien", "ORF2 W HD", "ORF 2 Tirol HD"}},
};
const char* const Regionen[] = {"Nord",    "Süd",        "Ost",       "West",        "Mitte",      "Köln",
                                "Münster", "Lübeck",     "Göttingen", "Saarbrücken", "Kärnten",    "Tirol",
                                "Wien",    "Steiermark", "Franken",   "Schwaben",    "Düsseldorf", "Oberösterreich"};

using Lege = std::function<QString(const QString& ordner, const QString& basis, int sender)>;

// The real broadcasters' 26 programmes and 54 of 12 invented ones ("KNR Münster HD",
// "tdr-fernsehen Süd"), their logos in "ARD/", "ORF/" and "Regional/".
void LegeAnstaltenAn(Bibliothek& b, const QString& wurzel, QSet<QString>& vergeben, const Lege& lege) {
    QSet<QString> ersteWoerter; // no invented broadcaster is a station's first word
    for (const Sender& s : b.sender)
        ersteWoerter.insert(senvio::KlassischerSchluessel(s.name.section(QLatin1Char(' '), 0, 0)));
    for (const EchteAnstalt& echt : EchteAnstalten) {
        Anstalt a{QString::fromUtf8(echt.kuerzel), {}, {}, {}};
        const QString ordner = wurzel + (a.kuerzel.startsWith(QLatin1String("ORF")) ? "ORF/" : "ARD/");
        const QString key = a.kuerzel.toLower();
        if (echt.hd)
            a.hd = lege(ordner, key + QStringLiteral("hd"), -1);
        if (echt.ohne)
            a.ohne = lege(ordner, key, -1);
        for (const char* name : echt.programme)
            a.programme << QString::fromUtf8(name);
        b.anstalten.push_back(a);
    }
    const std::size_t echte = b.anstalten.size();
    while (b.anstalten.size() < echte + 12) {
        const char buchstaben[] = "BDFGKLMNPRSTVWZ";
        QString kuerzel;
        for (int i = 0, n = 2 + Wuerfel(2); i < n; ++i)
            kuerzel += QLatin1Char(buchstaben[Wuerfel(int(sizeof buchstaben) - 1)]);
        const QString key = kuerzel.toLower();
        if (vergeben.contains(key) || vergeben.contains(key + QStringLiteral("hd")) || ersteWoerter.contains(key))
            continue;
        vergeben.insert(key);
        vergeben.insert(key + QStringLiteral("hd"));
        Anstalt a{kuerzel, {}, {}, {}};
        const QString ordner = wurzel + QStringLiteral("Regional/");
        const int art = Wuerfel(10);
        if (art < 7)
            a.hd = lege(ordner, Chance(50) ? key + QStringLiteral("hd") : kuerzel + QStringLiteral(" HD"), -1);
        if (art >= 4)
            a.ohne = lege(ordner, key, -1);
        b.anstalten.push_back(a);
    }
    for (int i = 0; i < 54; ++i) {
        Anstalt& a = b.anstalten[echte + i % 12];
        const QString region = QString::fromUtf8(Eins(Regionen));
        const QString hd = Chance(60) ? QStringLiteral("HD") : QString();
        QStringList woerter;
        switch (Wuerfel(4)) {
        case 0:
            woerter = {a.kuerzel, region, hd};
            break;
        case 1:
            woerter = {a.kuerzel, hd, region};
            break;
        case 2:
            woerter = {a.kuerzel.toLower() + QStringLiteral("-fernsehen"), region, hd};
            break;
        default:
            woerter = {a.kuerzel, QStringLiteral("FS"), region, hd};
        }
        a.programme << woerter.join(QLatin1Char(' ')).simplified();
    }
}

// 4,100 stations whose keys (with and without "HD" or "SD") are all different, 4,000 of
// them with a logo, 150 of those twice with the same bytes, 40 twice with different
// logos, 50 beside a broken file of the same name, some 35 with a broken file only; the
// broadcasters; decoys one letter off, a tenth of them broken, fill up to 5,000 files.
Bibliothek LegeBibliothekAn(const QString& wurzel, const QString& senderLogos) {
    Bibliothek b;
    QSet<QString> vergeben;
    while (b.sender.size() < 4100) {
        Sender s;
        s.name = Sendername();
        const QStringList keys = Schluessel(s.name) + Schluessel(s.name + QStringLiteral(" HD")) +
                                 Schluessel(s.name + QStringLiteral(" SD"));
        if (std::any_of(keys.begin(), keys.end(), [&](const QString& k) { return vergeben.contains(k); }))
            continue;
        for (const QString& k : keys)
            vergeben.insert(k);
        s.hd = Chance(40);
        const int stil = Wuerfel(100);
        s.stil = stil < 35 ? 0 : stil < 65 ? 1 : stil < 85 ? 2 : 3;
        const QString referenz = QStringLiteral("1_0_%1_%2_3FB_1_C00000_0_0_0").arg(s.hd ? 19 : 1);
        const QString sid = QString::number(0x1000 + int(b.sender.size()), 16).toUpper();
        s.picons = {referenz.arg(sid), QStringLiteral("1_0_1_%1_3FB_1_C00000_0_0_0").arg(sid)};
        s.picons.removeDuplicates();
        b.sender.push_back(s);
    }
    for (const char* gruppe : Gruppen)
        QDir().mkpath(wurzel + QString::fromUtf8(gruppe));
    for (const char* gruppe : {"Picons", "Europa", "ARD", "ORF"})
        QDir().mkpath(wurzel + QString::fromUtf8(gruppe));
    QDir().mkpath(senderLogos);
    const Lege lege = [&](const QString& ordner, const QString& basis, int sender) {
        const QString pfad = ordner + basis + QStringLiteral(".png");
        Schreibe(pfad, Png(b.dateien));
        ++b.dateien;
        if (sender >= 0) {
            b.senderDerDatei.insert(pfad, sender);
            b.sender[sender].dateien << pfad;
        }
        return pfad;
    };
    const auto dateiname = [&](const Sender& s, int stil) {
        const QString anzeige = s.hd ? s.name + QStringLiteral(" HD") : s.name;
        switch (stil) {
        case 0:
            return Chance(20) ? anzeige.normalized(QString::NormalizationForm_D) : anzeige;
        case 1:
            return senvio::KlassischerSchluessel(anzeige);
        case 2:
            return senvio::DeutscherSchluessel(anzeige);
        }
        return Chance(50) ? s.picons.last().toLower() : s.picons.first();
    };
    const auto ordner = [&](const Sender& s) {
        return s.stil == 3 ? wurzel + QStringLiteral("Picons/")
               : Chance(5) ? wurzel
                           : wurzel + QString::fromUtf8(Eins(Gruppen)) + QLatin1Char('/');
    };
    for (int i = 0; i < 4000; ++i)
        lege(ordner(b.sender[i]), dateiname(b.sender[i], b.sender[i].stil), i);
    // Copies of the same bytes beside the lists or in another group, some under another name.
    for (int i = 0; i < 150; ++i) {
        Sender& s = b.sender[i * 26];
        const QString quelle = s.dateien.first();
        const QString ziel =
            (i % 2 ? senderLogos + QLatin1Char('/') : wurzel + QString::fromUtf8(Gruppen[i % 6]) + QLatin1Char('/')) +
            dateiname(s, s.stil == 3 ? 3 : Wuerfel(3)) + QStringLiteral(".png");
        if (QFile::exists(ziel) || !QFile::copy(quelle, ziel))
            continue;
        b.senderDerDatei.insert(ziel, i * 26);
        s.dateien << ziel;
        ++b.dateien;
    }
    // Stations with two different logos under the same name.
    for (int i = 0; i < 40; ++i) {
        const Sender& s = b.sender[i * 97 + 5];
        if (s.stil != 3)
            lege(wurzel + QStringLiteral("Europa/"), dateiname(s, s.stil), i * 97 + 5);
    }
    // Broken files: beside a station's logo under the same name, or as its only logo.
    const auto zerbrich = [&](int sender, const QString& pfad) {
        Schreibe(pfad, Kaputt(b.beschaedigt++));
        b.kaputt.insert(pfad);
        b.sender[sender].kaputt << pfad;
        b.mitKaputt.push_back(sender);
    };
    for (int i = 0; i < 50; ++i) {
        const int sender = 13 + 79 * i;
        const QString ziel = wurzel + QString::fromUtf8(Gruppen[(i + 3) % 6]) + QLatin1Char('/') +
                             Basisname(b.sender[sender].dateien.first()) + QStringLiteral(".png");
        if (QFile::exists(ziel))
            continue;
        zerbrich(sender, ziel);
        ++b.dateien;
    }
    for (int i = 0; i < 40; ++i) {
        const int sender = 31 + 97 * i;
        Sender& s = b.sender[sender];
        if (s.dateien.size() != 1 || !s.kaputt.isEmpty())
            continue;
        const QString pfad = s.dateien.takeFirst();
        b.senderDerDatei.remove(pfad);
        zerbrich(sender, pfad);
    }
    LegeAnstaltenAn(b, wurzel, vergeben, lege);
    // Decoys: a station's key with one letter changed, no key of any station.
    while (b.dateien < 5000) {
        const Sender& s = b.sender[Wuerfel(4100)];
        QString key = senvio::KlassischerSchluessel(s.hd ? s.name + QStringLiteral(" HD") : s.name);
        const int stelle = Wuerfel(int(key.size()) - 2);
        const QChar neu = QChar(u'a' + Wuerfel(26));
        if (key[stelle] == neu || !key[stelle].isLetter())
            continue;
        key[stelle] = neu;
        if (vergeben.contains(key))
            continue;
        vergeben.insert(key);
        const QString pfad = lege(wurzel + QString::fromUtf8(Eins(Gruppen)) + QLatin1Char('/'), key, -1);
        if (b.dateien % 10 == 0) {
            Schreibe(pfad, Kaputt(b.beschaedigt++));
            b.kaputt.insert(pfad);
        }
    }
    return b;
}

// The name as a list writes it: quality word added or left out, umlauts spelled out or
// decomposed, "&" and "+" written out, capitals, punctuation, blanks.
QString Schreibweise(const Sender& s) {
    QString name = s.name;
    if (s.hd ? Chance(80) : Chance(10))
        name += Chance(85) ? QStringLiteral(" HD") : QStringLiteral(" hd");
    else if (!s.hd && Chance(5))
        name += QStringLiteral(" SD");
    if (Chance(30)) {
        const char* const umlaute[][2] = {{"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"},
                                          {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
        for (const auto& [umlaut, aus] : umlaute)
            name.replace(QString::fromUtf8(umlaut), QString::fromUtf8(aus));
    } else if (Chance(20)) {
        name = name.normalized(QString::NormalizationForm_D);
    }
    if (Chance(50))
        name.replace(QStringLiteral("&"), QStringLiteral("and"));
    if (Chance(50))
        name.replace(QStringLiteral(" +"), QStringLiteral(" Plus"));
    if (Chance(15))
        name = name.toUpper();
    else if (Chance(10))
        name = name.toLower();
    if (Chance(10))
        name.replace(name.indexOf(QLatin1Char(' ')), 1, QStringLiteral(" - "));
    if (Chance(10))
        name += QLatin1Char('.');
    if (Chance(15))
        name.replace(name.lastIndexOf(QLatin1Char(' ')), 1, QStringLiteral("  "));
    if (Chance(5))
        name = QLatin1Char(' ') + name + QLatin1Char(' ');
    return name;
}

struct Eintrag {
    senvio::Logoanfrage suche;
    int sender = -1;  // a station, or
    int anstalt = -1; // a broadcaster's regional programme
};

double Millisekunden(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// True when a rule can find one of the right files: a key of the name equal to a key
// of the file's name, or a key from the import equal to the file's name.
bool Entscheidbar(const Eintrag& e, const Sender& s, bool nurNamen) {
    const QStringList keys = Schluessel(e.suche.name);
    for (const QString& pfad : s.dateien) {
        const QString basis = Basisname(pfad).normalized(QString::NormalizationForm_C);
        for (const QString& k : {senvio::KlassischerSchluessel(basis), senvio::DeutscherSchluessel(basis),
                                 senvio::SchluesselOhneUmlaute(basis)})
            if (keys.contains(k))
                return true;
        if (!nurNamen)
            for (const QString& k : e.suche.importSchluessel)
                if (senvio::Vergleichsform(k) == senvio::Vergleichsform(basis))
                    return true;
    }
    return false;
}

// The broadcaster's file a regional programme should be offered first: the one of its
// quality when the library has it.
QString RichtigeDatei(const Anstalt& a, const QString& name) {
    const bool hd = name.split(QLatin1Char(' ')).contains(QStringLiteral("HD"), Qt::CaseInsensitive);
    return hd ? (a.hd.isEmpty() ? a.ohne : a.hd) : (a.ohne.isEmpty() ? a.hd : a.ohne);
}

} // namespace

int main(int argc, char** argv) {
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir tmp;
    const QString wurzel = tmp.path() + QStringLiteral("/TV und Radio Sender Logos/");
    const QString senderLogos = tmp.path() + QStringLiteral("/Senvio-Listen/Sender-Logos");
    const Bibliothek bib = LegeBibliothekAn(wurzel, senderLogos);

    // 820 stations with a logo, every one with a broken file among them, 100 without, and
    // the 80 regional programmes, in random order; a bouquet brings the picon names of
    // most, a playlist the logo's name for some, or a name no file has.
    std::vector<int> auswahl = bib.mitKaputt;
    std::sort(auswahl.begin(), auswahl.end());
    auswahl.erase(std::unique(auswahl.begin(), auswahl.end()), auswahl.end());
    std::vector<int> uebrige;
    for (int i = 0; i < 4000; ++i)
        if (!std::binary_search(auswahl.begin(), auswahl.end(), i))
            uebrige.push_back(i);
    std::shuffle(uebrige.begin(), uebrige.end(), zufall);
    uebrige.resize(820 - auswahl.size());
    auswahl.insert(auswahl.end(), uebrige.begin(), uebrige.end());
    for (int i = 4000; i < 4100; ++i)
        auswahl.push_back(i);
    std::vector<Eintrag> eintraege;
    for (const int i : auswahl) {
        const Sender& s = bib.sender[i];
        const QStringList alle = s.dateien + s.kaputt;
        Eintrag e{{Schreibweise(s), {}}, i, -1};
        if (s.stil == 3 ? Chance(80) : Chance(10))
            e.suche.importSchluessel =
                s.stil == 3 || alle.isEmpty() ? s.picons : QStringList{Basisname(alle[0]).toUpper()};
        else if (Chance(5))
            e.suche.importSchluessel = {QStringLiteral("unbekannt-%1").arg(i)};
        eintraege.push_back(e);
    }
    for (int a = 0; a < int(bib.anstalten.size()); ++a)
        for (const QString& name : bib.anstalten[a].programme)
            eintraege.push_back({{Chance(10) ? name.toLower() : name, {}}, -1, a});
    std::shuffle(eintraege.begin(), eintraege.end(), zufall);

    std::vector<double> lesen, zuordnen;
    std::vector<senvio::Logoentscheidung> ergebnis;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        auto start = std::chrono::steady_clock::now();
        const senvio::Logobestand bestand = senvio::LeseLogobestand(wurzel, senderLogos);
        lesen.push_back(Millisekunden(start));
        if (bestand.Dateien().size() != bib.dateien) {
            std::fprintf(stderr, "%d Dateien angelegt, %d gelesen\n", bib.dateien, int(bestand.Dateien().size()));
            return 1;
        }
        start = std::chrono::steady_clock::now();
        QList<senvio::Logoanfrage> suchen;
        for (const Eintrag& e : eintraege)
            suchen.append(e.suche);
        const QList<senvio::Logoentscheidung> entschieden = senvio::EntscheideLogos(bestand, suchen);
        ergebnis.assign(entschieden.cbegin(), entschieden.cend());
        zuordnen.push_back(Millisekunden(start));
        if (lauf + 1 < laeufe)
            continue;

        int ohneDatei = 0, entscheidbar = 0, nurNamen = 0, richtig = 0, richtigEntscheidbar = 0, falsch = 0;
        int falschKaputt = 0, rang[3] = {}, vorgeschlagenBeiEntscheidbar = 0, ohneDateiVorschlag = 0, nichts = 0;
        int regional = 0, regionalRang[3] = {}, regionalAutomatisch = 0, kaputtVorgeschlagen = 0;
        QSet<QString> genannt; // every file a decision names
        const auto falscheDatei = [&](const Eintrag& e, const QString& pfad) {
            falschKaputt += bib.kaputt.contains(pfad);
            if (++falsch <= 10)
                std::fprintf(stderr, "falsch: \"%s\" → %s\n", qPrintable(e.suche.name), qPrintable(pfad));
        };
        for (std::size_t i = 0; i < eintraege.size(); ++i) {
            const Eintrag& e = eintraege[i];
            const senvio::Logoentscheidung& d = ergebnis[i];
            nichts += d.vorschlaege.isEmpty();
            for (const senvio::Logovorschlag& v : d.vorschlaege) {
                const QString& pfad = bestand.Dateien()[v.datei].pfad;
                genannt.insert(pfad);
                kaputtVorgeschlagen += !d.automatisch && bib.kaputt.contains(pfad);
            }
            if (e.anstalt >= 0) {
                ++regional;
                const QString richtige = RichtigeDatei(bib.anstalten[e.anstalt], e.suche.name);
                for (int r = 0; r < d.vorschlaege.size(); ++r) {
                    const QString& pfad = bestand.Dateien()[d.vorschlaege[r].datei].pfad;
                    if (d.automatisch)
                        pfad == richtige ? ++regionalAutomatisch : (falscheDatei(e, pfad), 0);
                    else if (pfad == richtige)
                        ++regionalRang[r];
                }
                continue;
            }
            const Sender& s = bib.sender[e.sender];
            const bool kann = Entscheidbar(e, s, false);
            ohneDatei += s.dateien.isEmpty();
            entscheidbar += kann;
            nurNamen += Entscheidbar(e, s, true);
            ohneDateiVorschlag += s.dateien.isEmpty() && !d.vorschlaege.isEmpty();
            for (int r = 0; r < d.vorschlaege.size(); ++r) {
                const QString& pfad = bestand.Dateien()[d.vorschlaege[r].datei].pfad;
                if (bib.senderDerDatei.value(pfad, -1) != e.sender) {
                    if (d.automatisch)
                        falscheDatei(e, pfad);
                    continue;
                }
                if (d.automatisch) {
                    ++richtig;
                    richtigEntscheidbar += kann;
                } else {
                    ++rang[r];
                    vorgeschlagenBeiEntscheidbar += kann;
                }
                break; // the best-placed right file counts
            }
        }
        int kaputtDerListe = 0, uebergangen = 0, kaputtAutomatisch = 0;
        for (const int i : auswahl)
            for (const QString& pfad : bib.sender[i].kaputt) {
                ++kaputtDerListe;
                uebergangen += !genannt.contains(pfad);
            }
        for (std::size_t i = 0; i < eintraege.size(); ++i)
            if (ergebnis[i].automatisch)
                kaputtAutomatisch += bib.kaputt.contains(bestand.Dateien()[ergebnis[i].vorschlaege[0].datei].pfad);
        const int vorgeschlagen = rang[0] + rang[1] + rang[2];
        const int regionalVorgeschlagen = regionalRang[0] + regionalRang[1] + regionalRang[2];
        const double anteil = entscheidbar ? 100.0 * richtigEntscheidbar / entscheidbar : 0;
        std::printf("Einträge %zu (davon %d ohne passende lesbare Datei, %d Regionalprogramme), Logodateien %d "
                    "(davon %d beschädigt)\n",
                    eintraege.size(), ohneDatei, regional, bib.dateien, int(bib.kaputt.size()));
        std::printf("Durch eine Regel entscheidbar: %d (durch die Namensregeln: %d)\n", entscheidbar, nurNamen);
        std::printf("Richtig automatisch:           %d (%.1f %% der entscheidbaren)\n", richtig, anteil);
        std::printf("Falsch automatisch:            %d (davon beschädigte Dateien: %d)\n", falsch, falschKaputt);
        std::printf("Richtige Datei vorgeschlagen:  %d (Rang 1: %d, Rang 2: %d, Rang 3: %d; davon entscheidbar: %d)\n",
                    vorgeschlagen, rang[0], rang[1], rang[2], vorgeschlagenBeiEntscheidbar);
        std::printf("Regionalprogramme: richtige Datei vorgeschlagen %d von %d (Rang 1: %d, Rang 2: %d, Rang 3: %d), "
                    "automatisch %d\n",
                    regionalVorgeschlagen, regional, regionalRang[0], regionalRang[1], regionalRang[2],
                    regionalAutomatisch);
        std::printf("Beschädigte Dateien der Sender der Liste: %d, übergangen: %d (automatisch zugeordnet: %d, "
                    "vorgeschlagen: %d)\n",
                    kaputtDerListe, uebergangen, kaputtAutomatisch, kaputtVorgeschlagen);
        std::printf("Ohne passende Datei, mit Vorschlag: %d; ganz ohne Vorschlag: %d\n", ohneDateiVorschlag, nichts);
        std::printf("LeseLogobestand %.0f ms, Zuordnung aller Einträge %.0f ms (Mediane aus %d Läufen)\n",
                    Median(lesen), Median(zuordnen), laeufe);
        const bool ziel = falsch == 0 && anteil >= 90 && Median(zuordnen) <= 100;
        std::printf("Ziele (nichts falsch, 90 %% der entscheidbaren richtig, Zuordnung höchstens 0,1 s): %s\n",
                    ziel ? "erreicht" : "VERFEHLT");
    }
    return 0;
}
