#include "Listendatei.h"

#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"
#include "platform/Zeichensatz.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace senvio {

namespace {

// Larger files are refused rather than read into memory whole.
constexpr qint64 GroessteListendatei = qint64(512) * 1024 * 1024;

bool IstZeilenende(char16_t z) {
    return z == u'\r' || z == u'\n' || z == 11 || z == 12 || z == 0x2028 || z == 0x2029;
}

// Splits n characters into lines as they are read, without a copy of the whole text:
// "zeichen(i)" gives character i, "zeile(a, e)" makes the line of characters a to e.
template <typename Zeichen, typename Zeile> QStringList TeileInZeilen(qsizetype n, Zeichen zeichen, Zeile zeile) {
    QStringList zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t z = zeichen(i);
        if (z == 0) {
            n = i; // a character 0 ends the text
            break;
        }
        if (!IstZeilenende(z)) {
            continue;
        }
        zeilen.append(zeile(anfang, i));
        if (z == u'\r' && i + 1 < n && zeichen(i + 1) == u'\n') {
            ++i;
        }
        anfang = i + 1;
    }
    if (anfang < n) {
        zeilen.append(zeile(anfang, n));
    }
    return zeilen;
}

QStringList Utf16Zeilen(const QByteArray& bytes, bool kleinerEndian) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData()) + 2;
    const auto einheit = [b, kleinerEndian](qsizetype i) {
        return kleinerEndian ? char16_t(b[2 * i] | b[2 * i + 1] << 8) : char16_t(b[2 * i] << 8 | b[2 * i + 1]);
    };
    const auto zeile = [&einheit](qsizetype anfang, qsizetype ende) {
        QString text(ende - anfang, Qt::Uninitialized);
        char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
        for (qsizetype i = anfang; i < ende; ++i) {
            *ziel++ = einheit(i);
        }
        return text;
    };
    return TeileInZeilen((bytes.size() - 2) / 2, einheit, zeile); // an odd last byte is ignored
}

QStringList AchtBitZeilen(const QByteArray& bytes) {
    const char* d = bytes.constData();
    // Line ends and NUL are ASCII, so the raw byte tells them apart.
    const auto zeichen = [d](qsizetype i) { return char16_t(static_cast<unsigned char>(d[i])); };
    const auto zeile = [d](qsizetype anfang, qsizetype ende) { return VonWindows1252(d + anfang, ende - anfang); };
    return TeileInZeilen(bytes.size(), zeichen, zeile);
}

bool IstSteuerzeichen(QChar zeichen) {
    return zeichen.category() == QChar::Other_Control;
}

// Blanks and control characters at both ends, as a name is trimmed before it counts.
QString OhneRand(const QString& name) {
    qsizetype anfang = 0;
    qsizetype ende = name.size();
    while (anfang < ende && name[anfang] <= QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && name[ende - 1] <= QLatin1Char(' '))
        --ende;
    return name.mid(anfang, ende - anfang);
}

} // namespace

GeleseneListe DekodiereListe(const QByteArray& bytes) {
    GeleseneListe gelesen;
    const auto b0 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[0]) : 0;
    const auto b1 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[1]) : 0;
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
        gelesen.unicode = true;
        gelesen.zeilen = Utf16Zeilen(bytes, b0 == 0xFF);
    } else {
        gelesen.zeilen = AchtBitZeilen(bytes);
    }
    return gelesen;
}

QByteArray KodiereListe(const QStringList& zeilen, bool unicode) {
    qsizetype zeichen = 0;
    for (const QString& z : zeilen) {
        zeichen += z.size() + 2;
    }
    QByteArray bytes;
    if (!unicode) {
        bytes.resize(zeichen);
        char* ziel = bytes.data();
        for (const QString& z : zeilen) {
            ziel += KodiereWindows1252(z, ziel);
            *ziel++ = '\r';
            *ziel++ = '\n';
        }
        bytes.truncate(ziel - bytes.constData());
        return bytes;
    }
    bytes.resize(2 + 2 * zeichen);
    auto* ziel = reinterpret_cast<unsigned char*>(bytes.data());
    *ziel++ = 0xFF;
    *ziel++ = 0xFE;
    auto schreibe = [&ziel](char16_t e) {
        *ziel++ = static_cast<unsigned char>(e & 0xFF);
        *ziel++ = static_cast<unsigned char>(e >> 8);
    };
    for (const QString& z : zeilen) {
        for (const QChar c : z) {
            schreibe(c.unicode());
        }
        schreibe(u'\r');
        schreibe(u'\n');
    }
    return bytes;
}

bool BrauchtUnicode(const SenderListe& liste) {
    if (liste.IstUnicode()) {
        return true;
    }
    for (const QString& z : liste.Zeilen()) {
        if (!PasstInWindows1252(z)) {
            return true;
        }
    }
    return false;
}

void LeseListendatei(const QString& pfad, SenderListe& liste, QByteArray* dateibytes) {
    // Only a plain file: a pipe or a device could feed bytes without end.
    const QFileInfo info(pfad);
    QFile datei(pfad);
    if (info.isFile() && info.size() > GroessteListendatei)
        throw DateiFehler::NichtGeoeffnet(pfad, EFBIG);
    if (!info.isFile() || !datei.open(QIODevice::ReadOnly)) {
        throw DateiFehler::NichtGeoeffnet(pfad);
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        throw DateiFehler::NichtGeoeffnet(pfad);
    }
    if (dateibytes)
        *dateibytes = bytes;
    GeleseneListe gelesen = DekodiereListe(bytes);
    liste.SetzeZeilen(std::move(gelesen.zeilen));
    liste.SetzeUnicode(gelesen.unicode);
}

void SchreibeListendatei(const QString& pfad, SenderListe& liste) {
    const bool unicode = BrauchtUnicode(liste);
    const QByteArray bytes = KodiereListe(liste.Zeilen(), unicode);
    RaeumeSchreibresteAuf(QFileInfo(pfad).absolutePath());
    if (!SchreibeGanzeDatei(pfad, bytes)) {
        throw DateiFehler::NichtErstellt(pfad);
    }
    liste.SetzeUnicode(unicode);
}

QString FindeListendatei(const QString& listenOrdner, const QString& listenName) {
    // The three letters in each of their 8 spellings, all small first.
    for (int gross = 0; gross < 8; ++gross) {
        QString endung = QStringLiteral(".lis");
        for (int i = 0; i < 3; ++i) {
            if (gross & (1 << i)) {
                endung[i + 1] = endung[i + 1].toUpper();
            }
        }
        if (QFileInfo(listenOrdner + listenName + endung).isFile()) {
            return listenOrdner + listenName + endung;
        }
    }
    return listenOrdner + listenName + QStringLiteral(".lis");
}

QString UeberschreibFrage(const QString& name) {
    return QStringLiteral("Eine Liste mit dem Namen: \"") + name +
           QStringLiteral("\" existiert schon! Soll sie überschrieben werden?");
}

NamensPruefung PruefeListennamen(const QString& name, const QString& listenOrdner) {
    if (OhneRand(name).isEmpty())
        return NamensPruefung::Leer;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return NamensPruefung::Ungueltig;
    for (QChar zeichen : name)
        if (VerboteneNamenszeichen.contains(zeichen) || IstSteuerzeichen(zeichen))
            return NamensPruefung::Ungueltig;
    if (QFileInfo::exists(FindeListendatei(listenOrdner, name)))
        return NamensPruefung::Vorhanden;
    return NamensPruefung::Neu;
}

} // namespace senvio
