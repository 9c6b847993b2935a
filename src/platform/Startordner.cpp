#include "Startordner.h"

#include "GanzeDatei.h"
#include "Ordner.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace senvio {

namespace {

const QString MeineLogos = QStringLiteral("Meine Logos");

// Where logos go and which file names the automatic assignment finds.
const char* const LogoHinweis =
    "Senvio: Ihre Senderlogos\n"
    "\n"
    "Legen Sie Ihre Senderlogos als PNG-Dateien in diesen Ordner \"Meine Logos\".\n"
    "Jeder Ordner in \"TV und Radio Sender Logos\" ist eine Logo-Gruppe: Für weitere\n"
    "Gruppen legen Sie daneben einfach neue Ordner an. Senvio zeigt die Gruppen nach\n"
    "dem nächsten Start in der Gruppenliste.\n"
    "\n"
    "Automatisch gefunden wird ein Logo, dessen Dateiname der Sendername ist, klein\n"
    "geschrieben und ohne Leer- und Satzzeichen; \"&\" wird zu \"and\", \"+\" zu \"plus\":\n"
    "  Das Erste HD    ->  daserstehd.png  (auch daserste.png, ohne HD, SD, UHD oder 4K)\n"
    "  MDR Thüringen   ->  mdrthuringen.png oder mdrthueringen.png\n"
    "  Sky Cinema +24  ->  skycinemaplus24.png\n"
    "Groß- und Kleinschreibung zählt dabei nicht. Ebenso gefunden werden Picons, die\n"
    "nach der Service-Referenz des Empfängers benannt sind, etwa\n"
    "1_0_19_283D_3FB_1_C00000_0_0_0.png.\n";

bool LegeAn(const QString& pfad) {
    return QDir().mkpath(pfad);
}

bool IstLeererOrdner(const QString& pfad) {
    return QDir(pfad).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Fills the new program folder `ordner`; false on the first thing that fails.
bool FuelleBenutzerordner(const ProgrammOrdner& ordner, const QString& hilfe) {
    const QString gruppe = ordner.logoWurzel + MeineLogos + u'/';
    if (!LegeAn(ordner.listen) || !LegeAn(gruppe) ||
        !SchreibeGanzeDatei(gruppe + LogoHinweisName, QByteArray(LogoHinweis)))
        return false;
    return hilfe.isEmpty() || !QFileInfo(hilfe).isFile() || QFile::copy(hilfe, ordner.hilfe);
}

} // namespace

Startaufruf LeseStartaufruf(const QStringList& argumente) {
    Startaufruf aufruf;
    QCommandLineParser leser;
    leser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption benutzer(QStringLiteral("benutzerordner"));
    const QCommandLineOption ordner(QStringLiteral("programmordner"), QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")});
    leser.addOptions({benutzer, ordner, hilfe});
    if (!leser.parse(QStringList{QStringLiteral("senvio")} + argumente)) {
        aufruf.fehler = leser.errorText();
    } else if (leser.isSet(hilfe)) {
        aufruf.hilfe = true;
    } else if (!leser.positionalArguments().isEmpty()) {
        aufruf.fehler = QStringLiteral("Unerwartetes Argument \"%1\".").arg(leser.positionalArguments().constFirst());
    } else if (leser.isSet(benutzer) && leser.isSet(ordner)) {
        aufruf.fehler = QStringLiteral("--benutzerordner und --programmordner schließen einander aus.");
    } else if (leser.isSet(ordner)) {
        aufruf.wahl = Startaufruf::Ordnerwahl::Angegeben;
        aufruf.ordner = leser.value(ordner);
        if (aufruf.ordner.isEmpty())
            aufruf.fehler = QStringLiteral("Der Programmordner ist leer.");
    } else if (leser.isSet(benutzer)) {
        aufruf.wahl = Startaufruf::Ordnerwahl::Benutzerordner;
    }
    return aufruf;
}

QString Startanleitung() {
    return QStringLiteral("Aufruf: senvio [--benutzerordner | --programmordner ORDNER]\n"
                          "\n"
                          "Startet Senvio. Der Programmordner mit \"Senvio-Listen\", den Logos und\n"
                          "\"senvio.ini\" ist das Arbeitsverzeichnis, wenn nichts anderes angegeben ist.\n"
                          "\n"
                          "  --benutzerordner         der eigene Ordner ~/Senvio; beim ersten Start legt\n"
                          "                           Senvio ihn mit \"Senvio-Listen\" und den Logo-Ordnern an\n"
                          "  --programmordner ORDNER  der angegebene Ordner\n");
}

QString BenutzerordnerIn(const QString& heimordner) {
    return QDir::cleanPath(heimordner + QStringLiteral("/Senvio"));
}

BenutzerordnerEinrichtung RichteBenutzerordnerEin(const QString& heimordner, const QString& hilfe) {
    BenutzerordnerEinrichtung e;
    const QString ziel = BenutzerordnerIn(heimordner);
    const QFileInfo info(ziel);
    if (info.exists() && !info.isDir()) {
        e.fehler = QStringLiteral("%1 ist eine Datei und kein Ordner.\nSenvio legt dort seinen Programmordner an: "
                                  "Bitte benennen Sie die Datei um oder verschieben Sie sie.")
                       .arg(ziel);
        return e;
    }
    if (info.isSymLink() && !info.exists()) {
        e.fehler = QStringLiteral("%1 verweist auf einen Ordner, den es nicht gibt.").arg(ziel);
        return e;
    }
    if (info.isDir() && !IstLeererOrdner(ziel)) {
        e.ordner = ziel;
        return e;
    }

    // Put together beside its place and renamed into it, which also replaces an empty folder.
    const QString ort = info.isDir() ? info.canonicalFilePath() : ziel;
    const QString eltern = QFileInfo(ort).absolutePath();
    const QString kannNicht = QStringLiteral("Kann den Programmordner %1 nicht anlegen").arg(ziel);
    if (!LegeAn(eltern)) {
        e.fehler = kannNicht + u'.';
        return e;
    }
    QTemporaryDir bau(eltern + QStringLiteral("/.Senvio.entsteht-XXXXXX"));
    if (!bau.isValid() || !FuelleBenutzerordner(ProgrammOrdner(bau.path()), hilfe)) {
        e.fehler = kannNicht + u'.';
        return e;
    }
    if (const QString grund = BringeOrdnerAnOrt(bau, ort); !grund.isEmpty()) {
        e.fehler = kannNicht + QStringLiteral(": ") + grund;
        return e;
    }
    e.ordner = ziel;
    e.angelegt = true;
    return e;
}

QString MitgelieferteHilfe(const QString& programmVerzeichnis, const QString& installiert) {
    const QString name = QStringLiteral("Senvio-Hilfe.pdf");
    for (const QString& pfad :
         {programmVerzeichnis + u'/' + name,
          QDir::cleanPath(programmVerzeichnis + QStringLiteral("/../share/senvio/") + name), installiert}) {
        if (!pfad.isEmpty() && QFileInfo(pfad).isFile())
            return pfad;
    }
    return QString();
}

} // namespace senvio
