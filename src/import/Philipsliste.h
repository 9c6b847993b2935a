#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// Philips TV sets (ChannelMap_100 to _125): the folder ChannelList with chanLst.bin,
// channellib/DVBC.xml and DVBT.xml, s2channellib/DVBS.xml and DVBSall.xml, Favorite.xml.
namespace senvio {

// The files of the folder a reader looks at, by their path below it.
inline const QStringList Philipsdateinamen{QStringLiteral("chanLst.bin"),
                                           QStringLiteral("channellib/DVBC.xml"),
                                           QStringLiteral("channellib/DVBT.xml"),
                                           QStringLiteral("s2channellib/DVBS.xml"),
                                           QStringLiteral("s2channellib/DVBSall.xml"),
                                           QStringLiteral("Favorite.xml")};

// The lists of the files present (by their names in Philipsdateinamen); `ordner` names
// the folder in messages.
ImportFund LesePhilipsListe(const QHash<QString, QByteArray>& dateien, const QString& ordner);

} // namespace senvio
