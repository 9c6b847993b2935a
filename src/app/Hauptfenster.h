#pragma once

#include "view/Listenschrift.h"

class QString;
class QWidget;

namespace senvio {

class Listenansicht;

// What the menu commands may ask of the main window: the parent of their dialogs, the
// status line, the modes, the list view with its selection, and the list font. The window
// implements it; the commands know no other part of it.
class Hauptfenster {
public:
    // How the list mode is reached. Left by a menu command, the grid keeps "Suchen" offered,
    // which brings it back; its back button, a picked logo, a new or an opened list end it.
    enum class Suche { Bleibt, Endet };

    virtual QWidget* Eltern() = 0;
    virtual void MeldeStatus(const QString& text) = 0;
    // The list's count and name on the status line.
    virtual void ZeigeListenStatus() = 0;

    virtual bool IstLogoModus() const = 0;
    virtual void ZeigeListenmodus(Suche suche = Suche::Bleibt) = 0;
    virtual void ZeigeLogomodus() = 0;
    // Attach pending: the list with the picked logo's controls in its header.
    virtual void ZeigeAnhangmodus() = 0;
    // What follows a change of rows: the preview makes room for the scroll bar.
    virtual void RichteAnsichtAus() = 0;

    // The list view: selection, focus, and the look the cards copy.
    virtual Listenansicht& Ansicht() = 0;
    virtual Listenschrift AktuelleListenschrift() const = 0;
    // The list font on the list view and the controls that follow it; saved by the caller.
    virtual void SetzeListenschrift(const Listenschrift& schrift) = 0;
    virtual void Schliesse() = 0;

protected:
    ~Hauptfenster() = default;
};

} // namespace senvio
