#include "platform/QtTexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace senvio {

bool LadeQtTexteAufDeutsch(QCoreApplication& anwendung) {
    auto* uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}

} // namespace senvio
