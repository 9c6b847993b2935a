#pragma once

namespace senvio {

class Hauptfenster;
class Listendokument;
class Logowahl;
class TTextlistenForm;
class TbearbeitenForm;
struct ProgrammOrdner;

// The menu "Bearbeiten" but its logo commands: stepping back and again, editing, inserting,
// deleting and moving entries, and the doubled entries. Each asks the user and hands the
// change to the document as one step.
class Bearbeitenbefehle {
public:
    Bearbeitenbefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                      TbearbeitenForm& bearbeiten, TTextlistenForm& textliste, Logowahl& logowahl);

    void RueckgaengigClick();
    void WiederholenClick();
    void Eintragbearbeiten1Click();
    void NeuerTexteintrageinfuegenClick();
    // The name the station picker offers, inserted at the end of the list.
    void FuegeTexteintragEin();
    void Eintraglschen1Click();
    void VerschiebeEintrag(int von, int nach);
    void DoppelteEintraegesuchenClick();
    void DoppelteEintraegeentfernenClick();

private:
    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    const ProgrammOrdner& m_ordner;
    TbearbeitenForm& m_bearbeiten;
    TTextlistenForm& m_textliste;
    Logowahl& m_logowahl;
};

} // namespace senvio
