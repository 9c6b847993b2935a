#pragma once

class QCoreApplication;

namespace senvio {

// Qt's own texts (the file dialogs, the edit fields' context menus, standard buttons)
// in German whatever language the desktop speaks, since every text of ours is German.
// Without Qt's translation files they stay English; the result says which.
bool LadeQtTexteAufDeutsch(QCoreApplication& anwendung);

} // namespace senvio
