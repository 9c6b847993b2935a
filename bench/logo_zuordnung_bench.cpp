// Measures the automatic logo matching against a generated library: 5,000 logo files
// named as downloaded collections name them (the station's name, its key, its key in
// German spelling, a receiver's service reference), from invented stations, with
// decoys one letter off, and a list of 1,000 entries written as real lists write names.
// Prints how many entries got the right logo without asking, how many a wrong one,
// where the right one stands among the proposals, and the time of reading the library
// and of matching all entries. Prints figures only.
//
//   logo-zuordnung-bench [Läufe]

#include "Kindlauf.h"
#include "list/Logoschluessel.h"
#include "logos/Logozuordnung.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
};

struct Bibliothek {
    std::vector<Sender> sender;
    int dateien = 0;
    QHash<QString, int> senderDerDatei; // path → station; decoys are not in it
};

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(pfad));
        std::exit(1);
    }
}

// 4,100 stations whose keys (with and without "HD" or "SD") are all different, 4,000 of
// them with a logo, 150 of those twice with the same bytes, 40 twice with different
// logos; decoys one letter off fill up to 5,000 files.
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
    QDir().mkpath(wurzel + QStringLiteral("Picons"));
    QDir().mkpath(wurzel + QStringLiteral("Europa"));
    QDir().mkpath(senderLogos);
    const auto lege = [&](const QString& ordner, const QString& basis, int sender) {
        const QString pfad = ordner + basis + QStringLiteral(".png");
        Schreibe(pfad, QStringLiteral("logo %1 %2").arg(b.dateien).arg(basis).toUtf8());
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
        lege(wurzel + QString::fromUtf8(Eins(Gruppen)) + QLatin1Char('/'), key, -1);
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
    senvio::Logosuche suche;
    int sender;
};

double Millisekunden(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

QString Basisname(const QString& pfad) {
    const QString name = pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
    return name.left(name.lastIndexOf(QLatin1Char('.')));
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

} // namespace

int main(int argc, char** argv) {
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir tmp;
    const QString wurzel = tmp.path() + QStringLiteral("/TV und Radio Sender Logos/");
    const QString senderLogos = tmp.path() + QStringLiteral("/Senvio-Listen/Sender-Logos");
    const Bibliothek bib = LegeBibliothekAn(wurzel, senderLogos);

    // 900 stations with a logo and 100 without, in random order; a bouquet brings the
    // picon names of most, a playlist the logo's name for some, or a name no file has.
    std::vector<int> auswahl(4000);
    for (int i = 0; i < 4000; ++i)
        auswahl[i] = i;
    std::shuffle(auswahl.begin(), auswahl.end(), zufall);
    auswahl.resize(900);
    for (int i = 4000; i < 4100; ++i)
        auswahl.push_back(i);
    std::shuffle(auswahl.begin(), auswahl.end(), zufall);
    std::vector<Eintrag> eintraege;
    for (const int i : auswahl) {
        const Sender& s = bib.sender[i];
        Eintrag e{{Schreibweise(s), {}}, i};
        if (s.stil == 3 ? Chance(80) : Chance(10))
            e.suche.importSchluessel =
                s.stil == 3 || s.dateien.isEmpty() ? s.picons : QStringList{Basisname(s.dateien[0]).toUpper()};
        else if (Chance(5))
            e.suche.importSchluessel = {QStringLiteral("unbekannt-%1").arg(i)};
        eintraege.push_back(e);
    }

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
        ergebnis.clear();
        for (const Eintrag& e : eintraege)
            ergebnis.push_back(senvio::EntscheideLogo(bestand, e.suche));
        zuordnen.push_back(Millisekunden(start));
        if (lauf + 1 < laeufe)
            continue;

        int ohneDatei = 0, entscheidbar = 0, nurNamen = 0, richtig = 0, richtigEntscheidbar = 0, falsch = 0;
        int rang[3] = {}, vorgeschlagenBeiEntscheidbar = 0, ohneDateiVorschlag = 0, nichts = 0;
        for (std::size_t i = 0; i < eintraege.size(); ++i) {
            const Eintrag& e = eintraege[i];
            const Sender& s = bib.sender[e.sender];
            const bool kann = Entscheidbar(e, s, false);
            ohneDatei += s.dateien.isEmpty();
            entscheidbar += kann;
            nurNamen += Entscheidbar(e, s, true);
            const senvio::Logoentscheidung& d = ergebnis[i];
            nichts += d.vorschlaege.isEmpty();
            ohneDateiVorschlag += s.dateien.isEmpty() && !d.vorschlaege.isEmpty();
            for (int r = 0; r < d.vorschlaege.size(); ++r) {
                const QString& pfad = bestand.Dateien()[d.vorschlaege[r].datei].pfad;
                if (bib.senderDerDatei.value(pfad, -1) != e.sender) {
                    if (d.automatisch) {
                        ++falsch;
                        std::fprintf(stderr, "falsch: \"%s\" → %s\n", qPrintable(e.suche.name), qPrintable(pfad));
                    }
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
        const int vorgeschlagen = rang[0] + rang[1] + rang[2];
        const double anteil = entscheidbar ? 100.0 * richtigEntscheidbar / entscheidbar : 0;
        std::printf("Einträge %zu (davon %d ohne passende Datei), Logodateien %d\n", eintraege.size(), ohneDatei,
                    bib.dateien);
        std::printf("Durch eine Regel entscheidbar: %d (durch die Namensregeln: %d)\n", entscheidbar, nurNamen);
        std::printf("Richtig automatisch:           %d (%.1f %% der entscheidbaren)\n", richtig, anteil);
        std::printf("Falsch automatisch:            %d\n", falsch);
        std::printf("Richtige Datei vorgeschlagen:  %d (Rang 1: %d, Rang 2: %d, Rang 3: %d; davon entscheidbar: %d)\n",
                    vorgeschlagen, rang[0], rang[1], rang[2], vorgeschlagenBeiEntscheidbar);
        std::printf("Ohne passende Datei, mit Vorschlag: %d; ganz ohne Vorschlag: %d\n", ohneDateiVorschlag, nichts);
        std::printf("LeseLogobestand %.0f ms, Zuordnung aller Einträge %.0f ms (Mediane aus %d Läufen)\n",
                    Median(lesen), Median(zuordnen), laeufe);
        const bool ziel = falsch == 0 && anteil >= 90 && Median(zuordnen) < 1000;
        std::printf("Ziele (nichts falsch, 90 %% der entscheidbaren richtig, unter 1 s): %s\n",
                    ziel ? "erreicht" : "VERFEHLT");
    }
    return 0;
}
