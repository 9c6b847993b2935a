#pragma once

#include <QString>
#include <QStringList>

namespace senvio {

// The logo groups: the names of the folders directly inside the logo root, in the
// order the file system lists them. No root, no groups.
QStringList LeseLogoGruppen(const QString& logoWurzel);

} // namespace senvio
