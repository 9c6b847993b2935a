#pragma once

#include <QString>

#include <functional>

namespace senvio {

class Anhangkopf;
class Hauptfenster;
class Listendokument;
class TNameEingabeForm;
struct ProgrammOrdner;

// The menu "Datei" but its import and print: a new list, opening one, saving a copy, and
// the end of the program with the list saved or given up only when the user says so.
class Dateibefehle {
public:
    Dateibefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                 TNameEingabeForm& nameEingabe, Anhangkopf& kopf);

    void Neu1Click();
    void ffnen1Click();
    // True when a copy was written.
    bool Speichernunter1Click();
    void Beenden1Click();

    // What "Neu" does: asks for the name, saves the old list, starts an empty one. False
    // when the name dialog was cancelled, or `einverstanden` refused the name: then
    // nothing changed.
    bool BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden = {});

    // The list saved as the window closes: false when the user keeps the program open
    // after the save failed.
    bool SichereListeZumEnde();
    // The list saved without ending (the session asks so, the program ends); `ohneBox`:
    // nobody may be there to close an error box, so a failure goes to standard error, and a
    // change the list file cannot take (locked, changed by another program, not writable)
    // is written beside it as "NAME.lis.fenster", which the next start names.
    void SichereListe(bool ohneBox);
    // At the start: the window's version an end could not save, named once.
    void MeldeFensterstand();
    // Closing the window has saved the list, or the user chose to end without it.
    void ErledigeListe() { m_listeErledigt = true; }
    // Before a save over a list file another program changed since: the user decides.
    bool FrageVorDemUeberschreiben(const QString& name);

private:
    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    const ProgrammOrdner& m_ordner;
    TNameEingabeForm& m_nameEingabe;
    Anhangkopf& m_kopf;
    bool m_listeErledigt = false;
};

} // namespace senvio
