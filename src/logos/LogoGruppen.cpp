#include "logos/LogoGruppen.h"

#include <QDir>

namespace senvio {

QStringList LeseLogoGruppen(const QString& logoWurzel) {
    const QDir wurzel(logoWurzel);
    return wurzel.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, NamensFolge);
}

} // namespace senvio
