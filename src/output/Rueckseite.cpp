#include "output/Rueckseite.h"

#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"

#include <QFile>
#include <QStringDecoder>

namespace senvio {

namespace {

const QString Kopf = QStringLiteral("Senvio-Rückseite 1");
constexpr qint64 GroessteRueckseite = 64 * 1024;

// A field holds no tab and no line end: they separate fields and lines.
QString Feld(const QString& text) {
    QString feld = text;
    for (QChar& z : feld)
        if (z == u'\t' || z == u'\r' || z == u'\n')
            z = u' ';
    return feld.trimmed();
}

struct Quelle {
    const char* taste;
    const char* wirkung;
};

// The input key a brand's remote names; the other lines are the same for every set.
QList<Rueckseitenzeile> MitQuellentaste(const QString& taste) {
    const Quelle zeilen[] = {
        {"Einschalten", "rote Ein/Aus-Taste"},
        {"Kein Bild / Kein Signal", ""},
        {"Sender wählen", "Nummer zügig eintippen"},
        {"Zurück zum Fernsehbild", "EXIT / ZURÜCK"},
        {"Lauter / leiser, Ton aus", "Tasten + und −, Ton aus: MUTE"},
        {"Radio", "Taste TV/RADIO"},
        {"Hilfe", ""},
    };
    QList<Rueckseitenzeile> vorlage;
    for (const Quelle& q : zeilen)
        vorlage.append({QString::fromUtf8(q.taste), QString::fromUtf8(q.wirkung)});
    vorlage[1].wirkung = taste + QStringLiteral(", dann „TV“");
    return vorlage;
}

} // namespace

QStringList RueckseitenVorlagen() {
    return {QStringLiteral("Allgemein"), QStringLiteral("LG"),      QStringLiteral("Panasonic"),
            QStringLiteral("Philips"),   QStringLiteral("Samsung"), QStringLiteral("Sony")};
}

QList<Rueckseitenzeile> RueckseitenVorlage(const QString& vorlage) {
    if (vorlage == u"LG" || vorlage == u"Sony")
        return MitQuellentaste(QStringLiteral("Taste INPUT"));
    if (vorlage == u"Panasonic")
        return MitQuellentaste(QStringLiteral("Taste AV"));
    if (vorlage == u"Philips")
        return MitQuellentaste(QStringLiteral("Taste SOURCES"));
    if (vorlage == u"Samsung")
        return MitQuellentaste(QStringLiteral("Taste SOURCE"));
    return MitQuellentaste(QStringLiteral("Taste QUELLE (SOURCE / INPUT)"));
}

QString RueckseitendateiZu(const QString& listendatei) {
    const bool lis = listendatei.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive);
    return (lis ? listendatei.chopped(4) : listendatei) + QStringLiteral(".rueckseite");
}

QList<Rueckseitenzeile> LeseRueckseite(const QString& datei) {
    QFile f(datei);
    if (f.size() > GroessteRueckseite || !f.open(QIODevice::ReadOnly))
        return RueckseitenVorlage({});
    QStringDecoder utf8(QStringConverter::Utf8);
    const QStringList zeilen = QString(utf8(f.readAll())).split(u'\n');
    if (utf8.hasError() || zeilen.value(0).trimmed() != Kopf)
        return RueckseitenVorlage({});
    QList<Rueckseitenzeile> rueckseite;
    for (const QString& zeile : zeilen.mid(1)) {
        const qsizetype tab = zeile.indexOf(u'\t');
        const Rueckseitenzeile z{Feld(zeile.left(tab)), tab < 0 ? QString() : Feld(zeile.mid(tab + 1))};
        if ((!z.taste.isEmpty() || !z.wirkung.isEmpty()) && rueckseite.size() < RueckseiteZeilenHoechstens)
            rueckseite.append(z);
    }
    return rueckseite;
}

void SchreibeRueckseite(const QString& datei, const QList<Rueckseitenzeile>& zeilen) {
    QString text = Kopf + u'\n';
    for (const Rueckseitenzeile& z : zeilen)
        if (!Feld(z.taste).isEmpty() || !Feld(z.wirkung).isEmpty())
            text += Feld(z.taste) + u'\t' + Feld(z.wirkung) + u'\n';
    if (!SchreibeGanzeDatei(datei, text.toUtf8()))
        throw DateiFehler::NichtErstellt(datei);
}

} // namespace senvio
