#include "Zeilenformat.h"

#include "platform/Zeichensatz.h"

#include <QDir>
#include <QFileInfo>
#include <QStringBuilder>

#include <algorithm>

namespace senvio {

namespace {

// Whether the text starts with "#png#", the separator without its blank.
bool BeginntMitPng(QStringView text) {
    return text.size() >= 5 && text[0] == u'#' && text[1] == u'p' && text[2] == u'n' && text[3] == u'g' &&
           text[4] == u'#';
}

// Whether "#png#" stands anywhere in the text.
bool EnthaeltPng(QStringView text) {
    for (qsizetype i = FindeZeichen(text, u'#'); i >= 0 && i + 4 < text.size(); i = FindeZeichen(text, u'#', i + 1))
        if (BeginntMitPng(text.sliced(i)))
            return true;
    return false;
}

} // namespace

qsizetype FindeTrenner(QStringView zeile) {
    const char16_t* z = zeile.utf16();
    for (qsizetype i = FindeZeichen(zeile, u'#', 1); i >= 0 && i + 4 < zeile.size();
         i = FindeZeichen(zeile, u'#', i + 1))
        if (z[i - 1] == u' ' && z[i + 1] == u'p' && z[i + 2] == u'n' && z[i + 3] == u'g' && z[i + 4] == u'#')
            return i - 1;
    return -1;
}

qsizetype PraefixLaenge(QStringView zeile) {
    const char16_t* z = zeile.utf16();
    qsizetype gleich = FindeZeichen(zeile, u'=');
    while (gleich >= 0 && gleich + 1 < zeile.size() && z[gleich + 1] != u' ')
        gleich = FindeZeichen(zeile, u'=', gleich + 1);
    if (gleich < 0 || gleich + 1 >= zeile.size()) {
        return 0;
    }
    // Only a separator that starts before the name counts: it lies within the line's start,
    // so the rest of a long line is not searched (every renumbering asks this of every line).
    const qsizetype trenner = FindeTrenner(zeile.first(std::min(zeile.size(), gleich + 1 + Trenner.size())));
    return trenner < 0 ? gleich + 2 : 0;
}

namespace {

// The prefix of entry n into a buffer of at least 32 characters; its length.
qsizetype SchreibePraefix(qsizetype n, char16_t* ziel) {
    char ziffern[24];
    int stellen = 0;
    for (qsizetype k = n < 0 ? -n : n; stellen == 0 || k > 0; k /= 10)
        ziffern[stellen++] = char('0' + k % 10);
    if (n < 0)
        ziffern[stellen++] = '-';
    // Numbers below 10 and below 100 are padded so that the "=" of the first hundred align.
    const qsizetype vorne = n < 10 ? 4 : 2;
    const qsizetype hinten = n < 100 ? 3 : 1;
    qsizetype l = 0;
    for (qsizetype i = 0; i < vorne; ++i)
        ziel[l++] = u' ';
    while (stellen > 0)
        ziel[l++] = char16_t(ziffern[--stellen]);
    for (qsizetype i = 0; i < hinten; ++i)
        ziel[l++] = u' ';
    ziel[l++] = u'=';
    ziel[l++] = u' ';
    return l;
}

} // namespace

bool HatPraefix(QStringView zeile, qsizetype n) {
    char16_t praefix[32];
    const qsizetype laenge = SchreibePraefix(n, praefix);
    if (zeile.size() < laenge || !std::equal(praefix, praefix + laenge, zeile.utf16()))
        return false;
    // The prefix holds no other "= " and no "#": its length is PraefixLaenge's unless a
    // separator starts at its last blank (the line then has no prefix at all).
    return !BeginntMitPng(zeile.sliced(laenge));
}

QString BaueNummerierteZeile(qsizetype n, QStringView name, QStringView logoPfad) {
    char16_t praefix[32];
    const qsizetype laenge = SchreibePraefix(n, praefix);
    QString zeile(laenge + name.size() + Trenner.size() + logoPfad.size(), Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(zeile.data());
    for (const QStringView teil : {QStringView(praefix, laenge), name, QStringView(Trenner), logoPfad})
        ziel = std::copy(teil.utf16(), teil.utf16() + teil.size(), ziel);
    return zeile;
}

ZeilenTeile ZerlegeZeile(const QString& zeile) {
    ZeilenTeile t;
    const qsizetype trenner = FindeTrenner(zeile);
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
    const bool einzeilig = IstDruckbaresAscii(text) ||
                           std::none_of(text.cbegin(), text.cend(), [](QChar z) { return IstZeilenende(z.unicode()); });
    if (einzeilig && !EnthaeltPng(text))
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
    char16_t praefix[32];
    return QStringView(praefix, SchreibePraefix(n, praefix)).toString();
}

QString VorlaeufigerPraefix(qsizetype n) {
    return u"  " % QString::number(n) % u" = ";
}

QString BaueZeile(const QString& praefix, const QString& name, const QString& logoPfad) {
    return praefix % name % Trenner % logoPfad;
}

QString MitNeuemLogo(const QString& zeile, const QString& logoPfad) {
    const qsizetype trenner = FindeTrenner(zeile);
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
