#include "app/Programm.h"

#include "platform/Dialoge.h"
#include "platform/Startordner.h"

#include <QCoreApplication>
#include <QDir>

namespace senvio {

Programm::Programm(const ProgrammOrdner& ordner) : haupt(std::make_unique<TMainForm>(ordner)) {
    if (haupt->ProgrammEndet())
        return;
    nameEingabe = std::make_unique<TNameEingabeForm>(ordner.listen);
    bearbeiten = std::make_unique<TbearbeitenForm>();
    textliste = std::make_unique<TTextlistenForm>();
    grossBild = std::make_unique<TGrossImageForm>();
    suche = std::make_unique<TSuchForm>();
    haupt->VerbindeFenster({nameEingabe.get(), bearbeiten.get(), textliste.get(), grossBild.get(), suche.get()});
}

Programm::~Programm() {
    haupt->VerbindeFenster({});
    suche.reset();
    grossBild.reset();
    textliste.reset();
    bearbeiten.reset();
    nameEingabe.reset();
    haupt.reset();
}

void Programm::Beende() {
    if (m_beendet)
        return;
    m_beendet = true;
    haupt->FormDestroy();
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
