#pragma once

class QProgressBar;

namespace senvio {

class Dateibefehle;
class Druckbefehle;
class Hauptfenster;
class Listendokument;
class Logobefehle;
struct ProgrammOrdner;

// "Senderliste importieren..." and "Liste aktualisieren..." of the menu "Datei": a receiver's
// channel list read, its groups chosen, and the channels made a new list, appended, or
// matched with the open list and reviewed.
class Importbefehle {
public:
    Importbefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                  QProgressBar& fortschritt, Dateibefehle& datei, Logobefehle& logos, Druckbefehle& druck);

    void SenderlisteImportierenClick();
    // The sources chosen as for an import, but without the choice of new list or appending,
    // starting from the folder and the groups the list remembers: their channels are matched
    // with the open list, and what the review leaves is one step, asked again when it would
    // take away more than half of the list or add more than it holds.
    void ListeAktualisierenClick();

private:
    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    const ProgrammOrdner& m_ordner;
    QProgressBar& m_fortschritt;
    Dateibefehle& m_datei;
    Logobefehle& m_logos;
    Druckbefehle& m_druck;
};

} // namespace senvio
