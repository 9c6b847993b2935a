#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The JSON answers of the boxes, read without trusting them: what cannot be read is
// skipped, and an answer of the wrong shape gives nothing.
namespace senvio {

// One bouquet of an Enigma2's "/api/bouquets": its reference ("1:7:1:0:0:0:0:0:0:0:FROM
// BOUQUET \"userbouquet.favourites.tv\" ORDER BY bouquet") and its name.
struct Enigma2Bouquet {
    QString referenz;
    QString name;
};

// {"bouquets": [[referenz, name], …]}; nothing when the answer has no such list.
std::optional<QList<Enigma2Bouquet>> LeseEnigma2Bouquets(const QByteArray& json);

// The file a bouquet reference names by FROM BOUQUET "…", when it is a bare file name.
QString Enigma2Bouquetdatei(const QString& referenz);

// The services of "/api/getservices" ({"services": [{"servicereference", "servicename"}, …]})
// written as the bouquet file the box keeps: "#NAME", then "#SERVICE" and "#DESCRIPTION" per
// service, so that the bouquet reader makes of them what it makes of the files. Nothing
// when the answer has no such list.
std::optional<QByteArray> Enigma2Bouquettext(const QString& name, const QByteArray& json);

// The top file ("bouquets.tv") naming these sub-bouquet files, in order.
QByteArray Enigma2Obertext(const QString& name, const QStringList& dateien);

// tvheadend's "/api/channel/grid" ({"entries": [{"uuid", "name", "number", "enabled",
// "icon_public_url"}, …]}): the enabled channels by number (those without at the end, in
// the answer's order), one group "tvheadend"; a channel's reference is "tvheadend:UUID", its
// logo the address of its icon. Nothing when the answer has no such list.
std::optional<ImportFund> LeseTvheadendKanaele(const QByteArray& json);

} // namespace senvio
