#pragma once

#include "app/MainForm.h"
#include "app/NachrichtenFilter.h"
#include "list/BearbeitenForm.h"
#include "list/NameEingabe.h"
#include "list/TextlistenForm.h"
#include "logos/GrossImageForm.h"
#include "logos/SuchForm.h"

#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

namespace senvio {

// The six windows of the program and the message filter. The five side windows and
// the filter come first, so the main window gets them whole; it goes first at the end.
class Programm {
public:
    explicit Programm(const ProgrammOrdner& ordner);
    ~Programm();

    // True when the main window's checks ended the program before it began.
    bool Endet() const { return haupt->ProgrammEndet(); }
    TMainForm& Haupt() { return *haupt; }
    // Saves the list and the settings, as at the end of the message loop; `ohneBox`
    // for an end nobody watches (a signal): a failure goes to standard error.
    void Beende(bool ohneBox = false);

private:
    TNameEingabeForm nameEingabe;
    TbearbeitenForm bearbeiten;
    TTextlistenForm textliste;
    TGrossImageForm grossBild;
    TSuchForm suche;
    NachrichtenFilter filter;
    std::unique_ptr<TMainForm> haupt;
    bool m_beendet = false;
};

// The program folder this start uses, from the command line (without the program
// name): the working directory, the folder named by --programmordner, or the user's
// own folder made on its first start with --benutzerordner. Without a folder the
// program ends at once with `ende` as exit code, after the usage on `aus` (--help), a
// message on `fehler` (a wrong command line) or an error box (a user folder that
// cannot be made).
struct Startwahl {
    std::optional<ProgrammOrdner> ordner;
    int ende = 0;
};
Startwahl WaehleProgrammordner(const QStringList& argumente, QTextStream& aus, QTextStream& fehler);

} // namespace senvio
