#pragma once

#include <QString>

class QWidget;

// Files and folders handed to the desktop: the written print, the folders of the settings
// menu, the help.
namespace senvio {

struct ProgrammOrdner;

// The desktop shows the file or folder; when it cannot, a box names it and offers its
// folder where something could open that.
void ZeigeMitDemDesktop(QWidget* eltern, const QString& pfad);
// The folder in the desktop's file manager; made first, so there is a place to put logos.
void OeffneOrdner(QWidget* eltern, const QString& ordner);
// The help document of the program folder, else the one that came with the program.
void ZeigeHilfe(QWidget* eltern, const ProgrammOrdner& ordner);

} // namespace senvio
