#include "dokument/Druckstand.h"

#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace senvio {

namespace {
const QString Druckstandkopf = QStringLiteral("Senvio-Gedruckt 1");
constexpr qint64 GroessterDruckstand = qint64(64) * 1024 * 1024;
} // namespace

QString DruckstandZu(const QString& listendatei) {
    const bool lis = listendatei.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive);
    return (lis ? listendatei.chopped(4) : listendatei) + QStringLiteral(".gedruckt");
}

void SchreibeDruckstand(const QString& datei, const std::optional<QStringList>& gedruckt) {
    if (!gedruckt) {
        if (QFileInfo(datei).isFile())
            QFile::remove(datei);
        return;
    }
    // A list line holds no line end: the reader of list files splits at each.
    QString text = Druckstandkopf + u'\n';
    for (const QString& zeile : *gedruckt)
        text += zeile + u'\n';
    if (!SchreibeGanzeDatei(datei, text.toUtf8()))
        throw DateiFehler::NichtErstellt(datei);
}

std::optional<QStringList> LeseDruckstand(const QString& datei) {
    QFile f(datei);
    if (!QFileInfo(datei).isFile() || f.size() > GroessterDruckstand || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8);
    QStringList zeilen = QString(utf8(f.readAll())).split(u'\n');
    // Written whole or not at all: a file without its last line end is not ours.
    if (utf8.hasError() || zeilen.size() < 2 || zeilen.first() != Druckstandkopf || !zeilen.last().isEmpty())
        return std::nullopt;
    zeilen.removeFirst();
    zeilen.removeLast();
    return zeilen;
}

} // namespace senvio
