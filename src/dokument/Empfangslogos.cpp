#include "dokument/Empfangslogos.h"

#include "list/Zeilenformat.h"
#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>

namespace senvio {

namespace {

// A file name of the channel's name: what the logo library shows and is searched by.
QString Logoname(const QString& name) {
    QString datei;
    for (const QChar z : name)
        datei += z < u' ' || QStringLiteral("/\\:*?\"<>|").contains(z) ? u'_' : z;
    datei = datei.trimmed();
    return datei.isEmpty() || datei.startsWith(u'.') ? QStringLiteral("Logo ") + datei : datei;
}

bool GleicheBytes(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    return datei.size() == bytes.size() && datei.open(QIODevice::ReadOnly) && datei.readAll() == bytes;
}

// The path the logo lies at in the group: written there atomically unless the same bytes are there.
QString LegeAb(const QString& gruppe, const QString& name, const QByteArray& bytes) {
    for (int n = 1;; ++n) {
        const QString pfad = gruppe + u'/' + Logoname(name) + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) +
                             QStringLiteral(".png");
        if (GleicheBytes(pfad, bytes))
            return pfad;
        if (QFileInfo::exists(pfad))
            continue;
        AtomareDatei datei(pfad);
        if (!datei.Oeffne() || datei.Geraet().write(bytes) != bytes.size() || !datei.Uebernimm())
            throw DateiFehler::NichtErstellt(pfad);
        return pfad;
    }
}

} // namespace

QStringList ReferenzenDerZeilen(const Listendokument& dokument, int von, int bis) {
    QStringList referenzen;
    for (int zeile = von; zeile < bis; ++zeile)
        if (const QString& referenz = dokument.Herkunft(zeile).referenz; !referenz.isEmpty())
            referenzen << referenz;
    referenzen.removeDuplicates();
    return referenzen;
}

Logouebernahme LegeEmpfangslogosAn(Listendokument& dokument, int von, int bis, const QHash<QString, QByteArray>& logos,
                                   Speichern speichern) {
    QList<int> zeilen;
    for (int zeile = von; zeile < bis; ++zeile)
        zeilen.append(zeile);
    return LegeEmpfangslogosAn(dokument, zeilen, logos, speichern);
}

Logouebernahme LegeEmpfangslogosAn(Listendokument& dokument, const QList<int>& zeilen,
                                   const QHash<QString, QByteArray>& logos, Speichern speichern) {
    if (logos.isEmpty())
        return {};
    const QString gruppe = dokument.Ordner().logoWurzel + EmpfangsLogogruppe;
    if (!QDir().mkpath(gruppe))
        throw DateiFehler::NichtErstellt(gruppe);
    QHash<QString, QString> pfade; // reference to the file written for it
    QList<Logozuweisung> zuweisungen;
    for (const int zeile : zeilen) {
        const QString& referenz = dokument.Herkunft(zeile).referenz;
        const auto bild = logos.constFind(referenz);
        if (referenz.isEmpty() || bild == logos.cend())
            continue;
        QString& pfad = pfade[referenz];
        if (pfad.isEmpty())
            pfad = LegeAb(gruppe, ZerlegeZeile(dokument.Liste().Zeile(zeile)).name, *bild);
        zuweisungen.append({zeile, pfad});
    }
    return UebernimmLogos(dokument, zuweisungen, QStringLiteral("Logos vom Receiver übernehmen"), speichern);
}

} // namespace senvio
