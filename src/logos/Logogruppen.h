#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace senvio {

// Groups and logos are listed by name, ignoring case, as the user knows them from a
// file manager; the order a Linux file system hands out is that of its hash table.
inline constexpr QDir::SortFlags NamensFolge = QDir::Name | QDir::IgnoreCase;

// The logo groups: the names of the folders directly inside the logo root, in name
// order. No root, no groups.
QStringList LeseLogogruppen(const QString& logoWurzel);

} // namespace senvio
