#include "logos/Logogruppen.h"

#include <QDir>

namespace senvio {

QStringList LeseLogogruppen(const QString& logoWurzel) {
    const QDir wurzel(logoWurzel);
    return wurzel.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, NamensFolge);
}

} // namespace senvio
