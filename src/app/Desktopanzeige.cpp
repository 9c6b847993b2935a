#include "app/Desktopanzeige.h"

#include "platform/Dialoge.h"
#include "platform/Ordner.h"
#include "platform/Startordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace senvio {

namespace {
QString KeinProgrammText(const QString& pfad) {
    return QStringLiteral("„%1“\n\nEs wurde kein Programm gefunden, das %2 anzeigen kann.")
        .arg(QDir::toNativeSeparators(pfad),
             QFileInfo(pfad).isDir() ? QStringLiteral("diesen Ordner") : QStringLiteral("diese Datei"));
}
} // namespace

void ZeigeMitDemDesktop(QWidget* eltern, const QString& pfad) {
    // An opener that fails after its start has nothing behind it: as without one, only the box.
    const QPointer<QWidget> fenster(eltern);
    const auto gescheitert = [fenster, ohneFenster = eltern == nullptr, pfad] {
        if (fenster || ohneFenster)
            Dialoge::Information(fenster, KeinProgrammText(pfad));
    };
    if (Dialoge::OeffneDokument(pfad, gescheitert))
        return;
    const QFileInfo ziel(pfad);
    const QString text = KeinProgrammText(pfad);
    // A file manager may be there when a viewer is not; without xdg-open nothing opens.
    if (ziel.isDir() || !Dialoge::KannOeffnen()) {
        Dialoge::Information(eltern, text);
        return;
    }
    if (Dialoge::Wahl(eltern, QStringLiteral("Information"), text,
                      {QStringLiteral("Ordner öffnen"), QStringLiteral("OK")}) == 0)
        ZeigeMitDemDesktop(eltern, ziel.absolutePath());
}

void OeffneOrdner(QWidget* eltern, const QString& ordner) {
    const QString pfad = QDir::cleanPath(ordner);
    if (!QFileInfo(pfad).isDir() && !QDir().mkpath(pfad)) {
        Dialoge::Warnung(eltern, QStringLiteral("Kann das Verzeichnis ") + pfad + QStringLiteral(" nicht anlegen!"));
        return;
    }
    ZeigeMitDemDesktop(eltern, pfad);
}

void ZeigeHilfe(QWidget* eltern, const ProgrammOrdner& ordner) {
    QString hilfe = ordner.hilfe;
    if (!QFileInfo::exists(hilfe))
        hilfe = MitgelieferteHilfe(QCoreApplication::applicationDirPath(), QStringLiteral(SENVIO_HILFE_INSTALLIERT));
    ZeigeMitDemDesktop(eltern, hilfe.isEmpty() ? QStringLiteral(SENVIO_HILFE_INSTALLIERT) : hilfe);
}

} // namespace senvio
