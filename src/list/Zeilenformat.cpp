#include "Zeilenformat.h"

#include "platform/Zeichensatz.h"

#include <QDir>
#include <QFileInfo>
#include <QStringBuilder>

#include <algorithm>

namespace senvio {

qsizetype PraefixLaenge(const QString& zeile) {
    const qsizetype gleich = zeile.indexOf(QStringLiteral("= "));
    if (gleich < 0) {
        return 0;
    }
    // Only a separator that starts before the name counts: it lies within the line's start,
    // so the rest of a long line is not searched (every renumbering asks this of every line).
    const QStringView anfang = QStringView(zeile).first(std::min(zeile.size(), gleich + 1 + Trenner.size()));
    return anfang.indexOf(Trenner) < 0 ? gleich + 2 : 0;
}

ZeilenTeile ZerlegeZeile(const QString& zeile) {
    ZeilenTeile t;
    const qsizetype trenner = zeile.indexOf(Trenner);
    t.hatTrenner = trenner >= 0;
    t.kopf = t.hatTrenner ? zeile.left(trenner + 1) : zeile;
    t.logoPfad = t.hatTrenner ? zeile.mid(trenner + Trenner.size()) : QString();

    t.praefix = zeile.left(PraefixLaenge(zeile));
    const qsizetype nameEnde = t.hatTrenner ? trenner : zeile.size();
    t.name = zeile.mid(t.praefix.size(), nameEnde - t.praefix.size());
    return t;
}

namespace {

bool IstZeilenende(char16_t z) {
    return z == u'\r' || z == u'\n' || z == 11 || z == 12 || z == 0 || z == 0x85 || z == 0x2028 || z == 0x2029;
}

} // namespace

QString MacheEinzeilig(const QString& text) {
    // Nearly every name is single-line already: it is only trimmed, its data shared.
    const bool einzeilig = std::none_of(text.cbegin(), text.cend(), [](QChar z) { return IstZeilenende(z.unicode()); });
    if (einzeilig && !text.contains(TrennerOhneBlank))
        return OhneRandBlanks(text);
    QString zeile;
    zeile.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t z = text[i].unicode();
        if (z == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        zeile.append(IstZeilenende(z) ? QChar(u' ') : QChar(z));
    }
    // Replaced until none is left: "#png#png#" holds a second one once the first is gone.
    while (zeile.contains(TrennerOhneBlank))
        zeile.replace(TrennerOhneBlank, QStringLiteral("# png #"));
    return OhneRandBlanks(zeile);
}

QString OhneRandBlanks(const QString& text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang] == u' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == u' ')
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString Praefix(qsizetype n) {
    const QString zahl = QString::number(n);
    if (n < 10) {
        return u"    " % zahl % u"   = ";
    }
    if (n < 100) {
        return u"  " % zahl % u"   = ";
    }
    return u"  " % zahl % u" = ";
}

QString VorlaeufigerPraefix(qsizetype n) {
    return u"  " % QString::number(n) % u" = ";
}

QString BaueZeile(const QString& praefix, const QString& name, const QString& logoPfad) {
    return praefix % name % Trenner % logoPfad;
}

QString MitNeuemLogo(const QString& zeile, const QString& logoPfad) {
    const qsizetype trenner = zeile.indexOf(Trenner);
    return (trenner >= 0 ? zeile.left(trenner) : zeile) + Trenner + logoPfad;
}

QString Platzhalterpfad(int n) {
    return u"Ohne Logo" % QString::number(n) % u".png";
}

bool IstPlatzhalterpfad(const QString& logoPfad) {
    return KleinInWindows1252(logoPfad).contains(QStringLiteral("ohne logo"));
}

int PlatzhalterNummer(const QString& logoPfad) {
    const QString klein = KleinInWindows1252(logoPfad);
    int k = 0;
    for (int j = 1; j <= 4; ++j) {
        if (klein.contains(QStringLiteral("ohne logo") + QString::number(j))) {
            k = j;
        }
    }
    return k;
}

AufgeloestesLogo LoeseLogopfadAuf(const QString& logoPfad, const QString& programmOrdner) {
    AufgeloestesLogo a;
    QString pfad = logoPfad;
    QString davor;
    if (pfad.contains(ProgrammToken)) {
        // The token and the backslash after it stand at the start of every path we write.
        pfad = pfad.mid(ProgrammToken.size() + 1);
        davor = programmOrdner;
    }
    pfad.replace(u'\\', u'/');
    a.datei = davor + pfad;
    if (!a.datei.isEmpty() && QDir::isRelativePath(a.datei)) {
        a.datei = programmOrdner + a.datei;
    }
    a.platzhalter = PlatzhalterNummer(logoPfad);
    a.vorhanden = !pfad.isEmpty() && QFileInfo(a.datei).isFile();
    return a;
}

} // namespace senvio
