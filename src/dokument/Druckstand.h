#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a list as its printed cards show them, kept beside the list in "NAME.gedruckt"
// (UTF-8, a line per list line) while the cards an update changed wait to be printed, so that
// a later session and senvio-druck still know which cards those are. Programs that read list
// files never look at it.
namespace senvio {

// "NAME.gedruckt" beside "NAME.lis" (in any letter case of the ending).
QString DruckstandZu(const QString& listendatei);

// Writes the printed lines atomically; without any, an old file is removed instead. Throws
// DateiFehler when it cannot be written.
void SchreibeDruckstand(const QString& datei, const std::optional<QStringList>& gedruckt);

// The printed lines from the file; nothing when there is none, or one that is not ours.
std::optional<QStringList> LeseDruckstand(const QString& datei);

} // namespace senvio
