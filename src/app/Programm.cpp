#include "app/Programm.h"

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

} // namespace senvio
