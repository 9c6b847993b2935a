#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finding logos by file name, and where the grid scrolls to show a found one.
namespace senvio {

// The indices of the names a search finds: the first name equal to the trimmed text
// without regard to case; failing that, every name that contains the untrimmed text,
// both lower-cased, in list order. An empty text finds nothing.
QList<int> SucheLogos(const QStringList& namen, const QString& text);

// The grid's scroll position that shows tile i of n (four columns): 0 for the first
// row; in small groups −10 up to tile 11; else 27·i − 108, pulled back towards the
// end of large groups so the last rows stand at the bottom.
int ScrollZiel(int index, int anzahl);

} // namespace senvio
