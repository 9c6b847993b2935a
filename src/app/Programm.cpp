#include "app/Programm.h"

#include "app/Fehlerbehandlung.h"
#include "platform/Dialoge.h"
#include "platform/Startordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace senvio {

Programm::Programm(const ProgrammOrdner& ordner)
    : nameEingabe(ordner.listen), filter({nameEingabe, bearbeiten, textliste, grossBild, suche}),
      haupt(std::make_unique<TMainForm>(ordner, Nebenfenster{nameEingabe, bearbeiten, textliste, grossBild, suche})) {
    if (haupt->ProgrammEndet())
        return;
    filter.Bediene(*haupt);
    SenvioAnwendung::SetzeNachrichtenFilter([this](QObject* o, QEvent* e) { return filter.Pruefe(o, e); });
    // The desktop session ends (a logout): the list and the settings are saved as at
    // "Beenden", before the session manager may end the process.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, haupt.get(), [this] { haupt->SichereAlles(true); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, haupt.get(), [this] { Beende(); });
}

Programm::~Programm() {
    SenvioAnwendung::SetzeNachrichtenFilter({});
    haupt.reset();
}

void Programm::Beende(bool ohneBox) {
    if (m_beendet)
        return;
    m_beendet = true;
    haupt->FormDestroy(ohneBox);
}

Startwahl WaehleProgrammordner(const QStringList& argumente, QTextStream& aus, QTextStream& fehler) {
    const Startaufruf aufruf = LeseStartaufruf(argumente);
    if (aufruf.hilfe) {
        aus << Startanleitung();
        return {};
    }
    if (!aufruf.fehler.isEmpty()) {
        fehler << "senvio: " << aufruf.fehler << "\n\n" << Startanleitung();
        return {std::nullopt, 2};
    }
    switch (aufruf.wahl) {
    case Startaufruf::Ordnerwahl::Angegeben:
        return {ProgrammOrdner(QDir::cleanPath(QDir::current().absoluteFilePath(aufruf.ordner))), 0};
    case Startaufruf::Ordnerwahl::Benutzerordner: {
        const QString hilfe =
            MitgelieferteHilfe(QCoreApplication::applicationDirPath(), QStringLiteral(SENVIO_HILFE_INSTALLIERT));
        const BenutzerordnerEinrichtung einrichtung = RichteBenutzerordnerEin(QDir::homePath(), hilfe);
        if (!einrichtung.fehler.isEmpty()) {
            Dialoge::Fehler(nullptr, QStringLiteral("Fehler"), einrichtung.fehler);
            return {std::nullopt, 1};
        }
        return {ProgrammOrdner(einrichtung.ordner), 0};
    }
    case Startaufruf::Ordnerwahl::Arbeitsverzeichnis:
        break;
    }
    return {ProgrammOrdner::AusArbeitsverzeichnis(), 0};
}

} // namespace senvio
