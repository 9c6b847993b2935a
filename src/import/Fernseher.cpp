#include "import/Fernseher.h"

#include "import/Archiv.h"
#include "import/Grundigliste.h"
#include "import/Hisenseliste.h"
#include "import/Import.h"
#include "import/Lgliste.h"
#include "import/Panasonicliste.h"
#include "import/Philipsliste.h"
#include "import/Samsungliste.h"
#include "import/Sharpliste.h"
#include "import/Sonyliste.h"
#include "import/Sqlitebild.h"
#include "import/Tclliste.h"
#include "import/Toshibaliste.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace senvio {

namespace {

Fehler NochNichtLesbar(const QString& pfad, const QString& was) {
    return Fehler(QStringLiteral("Die Datei %1 ist %2. Dieses Format kann Senvio noch nicht lesen; bitte exportieren "
                                 "Sie die Senderliste, wenn der Fernseher es anbietet, in einem anderen Format.")
                      .arg(pfad, was));
}

// Exports of TV families whose binary records Senvio does not read: told by the file's
// name and start, so that the user learns what the file is instead of "unbekannt".
void PruefeBinaereFormate(const QByteArray& bytes, const QString& pfad) {
    const QFileInfo info(pfad);
    const QString endung = info.suffix().toLower();
    const QString name = info.fileName();
    if (endung == u"scm")
        throw NochNichtLesbar(pfad, QStringLiteral("eine Senderliste eines Samsung-Fernsehers der Jahre 2009 bis 2014 "
                                                   "(.scm)"));
    if (endung == u"tll" && !bytes.trimmed().startsWith('<'))
        throw NochNichtLesbar(pfad,
                              QStringLiteral("eine Senderliste eines LG-Fernsehers mit NetCast (binäre .TLL-Datei)"));
    if (endung == u"dbm")
        throw NochNichtLesbar(pfad, QStringLiteral("eine Senderliste eines TechniSat-Geräts (.DBM)"));
    const QString ordner = info.absoluteDir().dirName().toLower();
    if (name.startsWith(u"CM_", Qt::CaseInsensitive) || endung == u"dat" ||
        (ordner == u"channellib" && name.endsWith(u"Table", Qt::CaseInsensitive)))
        if (!IstSqlite(bytes) && !bytes.trimmed().startsWith('<'))
            throw NochNichtLesbar(
                pfad, QStringLiteral("ein Teil einer Senderliste eines Philips-Fernsehers im Format „Repair“"));
}

// After a byte-order mark and white space, the first character is "<".
bool IstXmlAnfang(QByteArrayView anfang) {
    if (anfang.startsWith("\xEF\xBB\xBF"))
        anfang = anfang.sliced(3);
    const auto zeichen = std::find_if(anfang.begin(), anfang.end(),
                                      [](char z) { return z != ' ' && z != '\t' && z != '\r' && z != '\n'; });
    return zeichen != anfang.end() && *zeichen == '<';
}

std::optional<ImportFund> LeseArchivliste(const QByteArray& bytes, const QString& pfad) {
    const QList<Archivteil> teile = LeseArchiv(bytes, pfad);
    if (IstSamsungArchiv(teile))
        return LeseSamsungArchiv(teile, pfad);
    if (IstToshibaArchiv(teile))
        return LeseToshibaArchiv(teile, pfad);
    if (IstTclArchiv(teile))
        return LeseTclArchiv(teile, pfad);
    // The members of Samsung's older binary lists: "map-AirD", "map-CableD", "map-SateD" …
    if (std::any_of(teile.begin(), teile.end(), [](const Archivteil& t) {
            return QStringView(t.name).sliced(t.name.lastIndexOf(u'/') + 1).startsWith(u"map-", Qt::CaseInsensitive);
        }))
        throw NochNichtLesbar(pfad,
                              QStringLiteral("eine Senderliste eines Samsung-Fernsehers der Jahre 2009 bis 2014"));
    return std::nullopt;
}

// A folder that holds a Philips TV's list.
bool IstPhilipsListenordner(const QDir& ordner) {
    return ordner.exists(QStringLiteral("chanLst.bin")) ||
           QFileInfo(ordner.filePath(QStringLiteral("channellib"))).isDir() ||
           QFileInfo(ordner.filePath(QStringLiteral("s2channellib"))).isDir();
}

bool IstPhilipsDatei(const QString& name) {
    return std::any_of(Philipsdateinamen.begin(), Philipsdateinamen.end(), [&](const QString& n) {
        return QStringView(n).sliced(n.lastIndexOf(u'/') + 1).compare(name, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

std::optional<ImportFund> LeseFernsehliste(const QByteArray& bytes, const QString& pfad) {
    if (IstZip(bytes) || IstTar(bytes))
        return LeseArchivliste(bytes, pfad);
    if (IstSqlite(bytes)) {
        const Sqlitebild db(bytes, pfad);
        if (IstHisenseDatenbank(db))
            return LeseHisenseDatenbank(db);
        return std::nullopt;
    }
    if (IstPanasonicListe(bytes))
        return LesePanasonicListe(bytes, pfad);
    // The XML readers know their files by the root element: the start of the file is enough,
    // and a file that does not start with "<" is none of theirs (a playlist of 100,000 entries
    // is not parsed three times to learn that).
    const QByteArrayView anfang = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 64 * 1024));
    if (IstXmlAnfang(anfang)) {
        if (IstLgListe(anfang))
            return LeseLgListe(bytes, pfad);
        if (IstSonyListe(anfang))
            return LeseSonyListe(bytes, pfad);
        if (IstGrundigListe(anfang))
            return LeseGrundigListe(bytes, pfad);
    }
    if (IstSharpListe(bytes))
        return LeseSharpListe(bytes, pfad);
    PruefeBinaereFormate(bytes, pfad);
    return std::nullopt;
}

QString PhilipsOrdner(const QString& pfad) {
    const QFileInfo info(pfad);
    if (info.isDir()) {
        const QDir ordner(info.absoluteFilePath());
        if (IstPhilipsListenordner(ordner))
            return QDir::cleanPath(ordner.absolutePath());
        const QDir liste(ordner.filePath(QStringLiteral("ChannelList")));
        return liste.exists() && IstPhilipsListenordner(liste) ? QDir::cleanPath(liste.absolutePath()) : QString();
    }
    if (!IstPhilipsDatei(info.fileName()))
        return {};
    QDir ordner = info.absoluteDir();
    const QString name = ordner.dirName().toLower();
    if ((name == u"channellib" || name == u"s2channellib") && ordner.cdUp() && IstPhilipsListenordner(ordner))
        return QDir::cleanPath(ordner.absolutePath());
    ordner = info.absoluteDir();
    return ordner.exists(QStringLiteral("chanLst.bin")) ? QDir::cleanPath(ordner.absolutePath()) : QString();
}

ImportFund LesePhilipsOrdner(const QString& ordner) {
    QHash<QString, QByteArray> dateien;
    for (const QString& name : Philipsdateinamen) {
        const qsizetype strich = name.lastIndexOf(u'/');
        const QString unterordner = strich < 0 ? ordner : ordner + u'/' + name.first(strich);
        const Bouquetinhalt inhalt = BouquetDateienIn(unterordner)(name.sliced(strich + 1));
        if (!inhalt.grund.isEmpty())
            throw Fehler(inhalt.grund);
        if (inhalt.bytes)
            dateien.insert(name, *inhalt.bytes);
    }
    return LesePhilipsListe(dateien, ordner);
}

} // namespace senvio
