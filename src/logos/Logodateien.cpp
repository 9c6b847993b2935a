#include "logos/Logodateien.h"

#include "logos/Logogruppen.h"
#include "platform/Zeichensatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace senvio {

bool IstLogoEndung(const QString& dateiname, const QString& endung) {
    const qsizetype punkt = dateiname.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0)
        return false;
    QString eigene = dateiname.mid(punkt);
    for (QChar& z : eigene)
        if (z >= QLatin1Char('A') && z <= QLatin1Char('Z'))
            z = QChar(z.unicode() + 32);
    return endung.contains(eigene);
}

namespace {

// The character index of the first occurrence of the bytes in the name's code page
// form; a character outside the BMP is one byte there but two QChars here.
qsizetype FindeImCodepage(const QString& name, const QByteArray& muster) {
    const qsizetype byte = NachWindows1252(name).indexOf(muster);
    if (byte < 0)
        return -1;
    qsizetype zeichen = 0;
    for (qsizetype b = 0; b < byte; ++b)
        zeichen +=
            name[zeichen].isHighSurrogate() && zeichen + 1 < name.size() && name[zeichen + 1].isLowSurrogate() ? 2 : 1;
    return zeichen;
}

} // namespace

QString NormalisiereLogoname(const QString& dateiname) {
    QString name = dateiname;
    if (const qsizetype i = FindeImCodepage(name, QByteArray("\xB7")); i >= 0)
        name.replace(i, 1, QStringLiteral("ss"));
    for (const char vokal : {'u', 'o', 'a'}) {
        const char muster[] = {vokal, '\xA8', '\0'};
        if (const qsizetype i = FindeImCodepage(name, QByteArray(muster)); i >= 0)
            name.remove(i + 1, 1);
    }
    return name;
}

GeleseneLogodateien LeseLogodateien(const QString& ordner, const QString& endung) {
    GeleseneLogodateien gelesen;
    const QString basis = ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
    const QStringList namen =
        QDir(basis).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, NamensFolge);
    for (const QString& name : namen) {
        if (!IstLogoEndung(name, endung))
            continue;
        // Only the file name is tidied: the group's or the program's folder keeps its name.
        const QString neu = basis + NormalisiereLogoname(name);
        if (neu != basis + name && !QFile::rename(basis + name, neu))
            gelesen.meldungen << QStringLiteral("\"") + neu + QStringLiteral(" \" kann nicht umbenannt werden!");
        gelesen.dateien << neu;
    }
    return gelesen;
}

void EntferneOhneLogodateien(QStringList& dateien) {
    for (int runde = 0; runde < 4; ++runde) {
        for (qsizetype i = dateien.size() - 1; i >= 0; --i) {
            if (QFileInfo(dateien[i]).fileName().contains(QLatin1String("ohne logo"), Qt::CaseInsensitive)) {
                dateien.removeAt(i);
                break;
            }
        }
    }
}

} // namespace senvio
