#include "Einstellungen.h"

#include "GanzeDatei.h"
#include "Zeichensatz.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

namespace senvio {

namespace {

QString DekodiereIniText(QByteArrayView bytes) {
    if (IstGueltigesUtf8(bytes)) {
        // Every character, also a U+FEFF at the start of a value, which fromUtf8 would drop.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return utf8(bytes);
    }
    return VonWindows1252(bytes.data(), bytes.size());
}

// Windows-1252 where the text fits, so older readers keep working; UTF-8 where it
// does not, or where the 8-bit bytes would read back as different UTF-8 text.
QByteArray KodiereIniText(const QString& text) {
    if (PasstInWindows1252(text)) {
        const QByteArray acht = NachWindows1252(text);
        bool nurAscii = true;
        for (const char c : acht) {
            nurAscii = nurAscii && static_cast<unsigned char>(c) < 0x80;
        }
        if (nurAscii || !IstGueltigesUtf8(acht)) {
            return acht;
        }
    }
    return text.toUtf8();
}

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView Getrimmt(QByteArrayView v) {
    while (!v.isEmpty() && IstLeer(v.front())) {
        v = v.sliced(1);
    }
    while (!v.isEmpty() && (IstLeer(v.back()) || v.back() == '\r')) {
        v.chop(1);
    }
    return v;
}

struct Zeile {
    qsizetype anfang;     // first byte of the line
    qsizetype inhaltEnde; // end of the line without CR/LF
    qsizetype ende;       // end including the line end
};

struct Gliederung {
    std::vector<Zeile> zeilen;
    QByteArray zeilenende = "\r\n";
};

Gliederung Gliedere(const QByteArray& inhalt) {
    Gliederung g;
    qsizetype pos = inhalt.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    bool endeGefunden = false;
    while (pos < inhalt.size()) {
        qsizetype lf = inhalt.indexOf('\n', pos);
        const qsizetype ende = lf < 0 ? inhalt.size() : lf + 1;
        qsizetype inhaltEnde = lf < 0 ? inhalt.size() : lf;
        if (inhaltEnde > pos && inhalt.at(inhaltEnde - 1) == '\r') {
            --inhaltEnde;
        }
        if (lf >= 0 && !endeGefunden) {
            g.zeilenende = inhaltEnde < lf ? QByteArray("\r\n") : QByteArray("\n");
            endeGefunden = true;
        }
        g.zeilen.push_back({pos, inhaltEnde, ende});
        pos = ende;
    }
    return g;
}

QByteArrayView Text(const QByteArray& inhalt, const Zeile& z) {
    return QByteArrayView(inhalt).sliced(z.anfang, z.inhaltEnde - z.anfang);
}

// The section name of a "[Name]" line, or nothing for any other line.
std::optional<QString> AbschnittDerZeile(QByteArrayView text) {
    text = Getrimmt(text);
    if (!text.startsWith('[')) {
        return std::nullopt;
    }
    text = text.sliced(1);
    const qsizetype zu = text.indexOf(']');
    if (zu >= 0) {
        text = text.first(zu);
    }
    return DekodiereIniText(Getrimmt(text));
}

bool GleicherName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IstSchluessel(QByteArrayView text, const QString& schluessel) {
    const qsizetype gleich = text.indexOf('=');
    return gleich >= 0 && GleicherName(DekodiereIniText(Getrimmt(text.first(gleich))), schluessel);
}

struct Fundstelle {
    qsizetype abschnitt = -1;   // index of the section's header line
    qsizetype letzteZeile = -1; // last non-blank line of the section
    qsizetype schluessel = -1;  // index of the key's line
};

Fundstelle Suche(const QByteArray& inhalt, const Gliederung& g, const QString& abschnitt, const QString& schluessel) {
    Fundstelle f;
    bool imAbschnitt = false;
    for (qsizetype i = 0; i < qsizetype(g.zeilen.size()); ++i) {
        const QByteArrayView text = Text(inhalt, g.zeilen[i]);
        if (const auto name = AbschnittDerZeile(text)) {
            if (imAbschnitt) {
                break; // only the first section of that name counts
            }
            imAbschnitt = GleicherName(*name, abschnitt);
            if (imAbschnitt) {
                f.abschnitt = f.letzteZeile = i;
            }
            continue;
        }
        if (!imAbschnitt) {
            continue;
        }
        if (!Getrimmt(text).isEmpty()) {
            f.letzteZeile = i;
        }
        if (IstSchluessel(text, schluessel)) {
            f.schluessel = i;
            break;
        }
    }
    return f;
}

QByteArray GespeicherterWert(const QString& wert) {
    const bool randLeer = !wert.isEmpty() && (wert.front().isSpace() || wert.back().isSpace());
    const bool inZeichen =
        wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') && wert.back() == wert.front();
    const QByteArray bytes = KodiereIniText(wert);
    return (randLeer || inZeichen) ? '"' + bytes + '"' : bytes;
}

} // namespace

QString IniWertAusText(const QByteArray& inhalt, const QString& abschnitt, const QString& schluessel) {
    const Gliederung g = Gliedere(inhalt);
    const Fundstelle f = Suche(inhalt, g, abschnitt, schluessel);
    if (f.schluessel < 0) {
        return {};
    }
    QByteArrayView text = Text(inhalt, g.zeilen[f.schluessel]);
    QByteArrayView wert = Getrimmt(text.sliced(text.indexOf('=') + 1));
    if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') && wert.back() == wert.front()) {
        wert = wert.sliced(1, wert.size() - 2);
    }
    return DekodiereIniText(wert);
}

std::optional<QByteArray> IniTextMitWert(const QByteArray& inhalt, const QString& abschnitt, const QString& schluessel,
                                         const QString& wert) {
    for (const QChar z : wert) {
        if (z == u'\r' || z == u'\n' || z == u'\0') {
            return std::nullopt;
        }
    }
    const Gliederung g = Gliedere(inhalt);
    const Fundstelle f = Suche(inhalt, g, abschnitt, schluessel);
    QByteArray neu = inhalt;

    if (f.schluessel >= 0) {
        // Keep the key as spelled in the file, and the spacing around "=".
        const Zeile& z = g.zeilen[f.schluessel];
        qsizetype wertAnfang = inhalt.indexOf('=', z.anfang) + 1;
        while (wertAnfang < z.inhaltEnde && IstLeer(inhalt.at(wertAnfang))) {
            ++wertAnfang;
        }
        neu.replace(wertAnfang, z.inhaltEnde - wertAnfang, GespeicherterWert(wert));
        return neu;
    }

    const QByteArray zeile = KodiereIniText(schluessel) + '=' + GespeicherterWert(wert) + g.zeilenende;
    if (f.abschnitt >= 0) {
        const Zeile& letzte = g.zeilen[f.letzteZeile];
        // The file's last line may lack its LF (a lone CR is no line end to the reader).
        if (letzte.ende == inhalt.size() && !inhalt.endsWith('\n')) {
            neu.append(g.zeilenende);
            neu.append(zeile);
        } else {
            neu.insert(letzte.ende, zeile);
        }
        return neu;
    }

    if (!neu.isEmpty() && !neu.endsWith('\n')) {
        neu.append(g.zeilenende);
    }
    neu.append('[' + KodiereIniText(abschnitt) + ']' + g.zeilenende + zeile);
    return neu;
}

namespace {

// A settings file larger than this is not ours to read or rewrite.
constexpr qint64 GroessteIniDatei = qint64(16) * 1024 * 1024;

// The file's bytes; empty when it does not exist, nothing when it exists but cannot
// be read whole (not a plain file, too large, a read error).
std::optional<QByteArray> LeseIniDatei(const QString& datei) {
    const QFileInfo info(datei);
    if (!info.exists()) {
        return QByteArray();
    }
    QFile f(datei);
    if (!info.isFile() || info.size() > GroessteIniDatei || !f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray inhalt = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return inhalt;
}

} // namespace

QString LeseIniWert(const QString& datei, const QString& abschnitt, const QString& schluessel) {
    const auto inhalt = LeseIniDatei(datei);
    return inhalt ? IniWertAusText(*inhalt, abschnitt, schluessel) : QString();
}

std::optional<int> AlsGanzzahl(const QString& wert) {
    const QString t = wert.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool vorzeichen = i == 0 && (t[i] == u'-' || t[i] == u'+') && t.size() > 1;
        if (!vorzeichen && (t[i] < u'0' || t[i] > u'9')) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int zahl = t.toInt(&ok, 10);
    return ok ? std::optional<int>(zahl) : std::nullopt;
}

std::optional<int> LeseIniGanzzahl(const QString& datei, const QString& abschnitt, const QString& schluessel) {
    return AlsGanzzahl(LeseIniWert(datei, abschnitt, schluessel));
}

bool SchreibeIniWert(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert) {
    const auto alt = LeseIniDatei(datei);
    if (!alt) {
        return false; // never replace a file we could not read
    }
    const auto neu = IniTextMitWert(*alt, abschnitt, schluessel, wert);
    if (!neu) {
        return false;
    }
    return SchreibeGanzeDatei(datei, *neu);
}

} // namespace senvio
