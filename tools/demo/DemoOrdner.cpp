#include "DemoOrdner.h"

#include "DemoLogo.h"
#include "DemoSender.h"
#include "list/Listendatei.h"
#include "list/Zeilenformat.h"
#include "platform/Einstellungen.h"
#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"
#include "platform/Ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace senvio::demo {

namespace {

// The sample list: station and placeholder number; 0 means the station's own logo.
struct ListenEintrag {
    QString sender;
    int platzhalter = 0;
};

const std::vector<ListenEintrag>& ListenEintraege() {
    static const std::vector<ListenEintrag> eintraege = {
        {QStringLiteral("Kanal Eins")},   {QStringLiteral("Kanal Zwei")},        {QStringLiteral("Nordwelle TV")},
        {QStringLiteral("Südblick")},     {QStringLiteral("Westfunk"), 1},       {QStringLiteral("Sport Plus")},
        {QStringLiteral("Filmhaus")},     {QStringLiteral("Serienwelt"), 2},     {QStringLiteral("Krimi Kanal")},
        {QStringLiteral("Kultur Drei")},  {QStringLiteral("Nachrichten Jetzt")}, {QStringLiteral("Tierfreunde TV"), 3},
        {QStringLiteral("Radio Lerche")}, {QStringLiteral("Küstenradio")},       {QStringLiteral("Alpenblick TV"), 4},
    };
    return eintraege;
}

QString Logodateiname(const DemoSender& sender) {
    return sender.name + QStringLiteral(".png");
}

void PruefeZiel(const QString& ziel) {
    const QFileInfo info(ziel);
    if (!info.exists()) {
        return;
    }
    if (!info.isDir()) {
        throw Fehler(QStringLiteral("%1 gibt es schon, und es ist kein Ordner.").arg(ziel));
    }
    if (!QDir(ziel).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        throw Fehler(QStringLiteral("Der Ordner %1 ist nicht leer; die Demo wird nur in einen neuen oder leeren "
                                    "Ordner geschrieben.")
                         .arg(ziel));
    }
}

void LegeOrdnerAn(const QString& pfad) {
    if (!QDir().mkpath(pfad)) {
        throw Fehler(QStringLiteral("Kann den Ordner %1 nicht anlegen.").arg(pfad));
    }
}

// Every group's logos, numbered on through all groups so that shapes and colours vary.
void SchreibeLogos(const ProgrammOrdner& ordner) {
    int nummer = 0;
    for (const DemoGruppe& gruppe : DemoGruppen()) {
        const QString gruppenOrdner = ordner.logoWurzel + gruppe.name + u'/';
        LegeOrdnerAn(gruppenOrdner);
        for (const DemoSender& sender : gruppe.sender) {
            const QString datei = gruppenOrdner + Logodateiname(sender);
            if (!ZeichneDemoLogo(sender.kuerzel, nummer++).save(datei, "PNG")) {
                throw DateiFehler::NichtErstellt(datei);
            }
        }
    }
}

// The logo file of a station in the library.
QString LogoInBibliothek(const ProgrammOrdner& ordner, const QString& name) {
    for (const DemoGruppe& gruppe : DemoGruppen()) {
        for (const DemoSender& sender : gruppe.sender) {
            if (sender.name == name) {
                return ordner.logoWurzel + gruppe.name + u'/' + Logodateiname(sender);
            }
        }
    }
    throw Fehler(QStringLiteral("Kein Logo für %1.").arg(name));
}

// The list as Senvio writes it: attached logos copied into "Sender-Logos" and stored
// with the program-folder token.
void SchreibeListe(const ProgrammOrdner& ordner) {
    LegeOrdnerAn(ordner.senderLogos);
    SenderListe liste;
    qsizetype n = 0;
    for (const ListenEintrag& e : ListenEintraege()) {
        QString logoPfad = Platzhalterpfad(e.platzhalter);
        if (e.platzhalter == 0) {
            const QString quelle = LogoInBibliothek(ordner, e.sender);
            const QString name = QFileInfo(quelle).fileName();
            if (!QFile::copy(quelle, ordner.senderLogos + u'/' + name)) {
                throw DateiFehler::NichtErstellt(ordner.senderLogos + u'/' + name);
            }
            logoPfad = ListenordnerToken + QStringLiteral("Sender-Logos\\") + name;
        }
        liste.HaengeAn(BaueZeile(Praefix(++n), e.sender, logoPfad));
    }
    SchreibeListendatei(FindeListendatei(ordner.listen, DemoListenname), liste);
}

// All TV stations, one per line, UTF-8 with byte-order mark.
void SchreibeSendernamen(const ProgrammOrdner& ordner) {
    QByteArray text("\xEF\xBB\xBF");
    for (const DemoGruppe& gruppe : DemoGruppen()) {
        if (gruppe.name == QStringLiteral("Radio")) {
            continue;
        }
        for (const DemoSender& sender : gruppe.sender) {
            text += sender.name.toUtf8() + "\r\n";
        }
    }
    const QString pfad = ordner.listen + QStringLiteral("Sendernamen.txt");
    if (!SchreibeGanzeDatei(pfad, text)) {
        throw DateiFehler::NichtErstellt(pfad);
    }
}

void SchreibeEinstellungen(const ProgrammOrdner& ordner) {
    const QString abschnitt = QStringLiteral("Einstellung");
    if (!SchreibeIniWert(ordner.einstellungen, abschnitt, QStringLiteral("ListenName"), DemoListenname) ||
        !SchreibeIniWert(ordner.einstellungen, abschnitt, QStringLiteral("Auswahl"), QStringLiteral("0"))) {
        throw DateiFehler::NichtErstellt(ordner.einstellungen);
    }
}

void KopiereHilfe(const ProgrammOrdner& ordner, const QString& hilfe) {
    if (!QFile::copy(hilfe, ordner.hilfe)) {
        throw Fehler(QStringLiteral("Kann die Hilfe %1 nicht nach %2 kopieren.").arg(hilfe, ordner.hilfe));
    }
}

// An existing empty "ziel" is replaced too.
void BringeAnOrt(QTemporaryDir& bau, const QString& ziel) {
    if (const QString grund = BringeOrdnerAnOrt(bau, ziel); !grund.isEmpty())
        throw Fehler(QStringLiteral("Kann %1 nicht anlegen: %2").arg(ziel, grund));
}

} // namespace

void ErstelleDemoOrdner(const QString& ziel, const QString& hilfe) {
    PruefeZiel(ziel);
    const QFileInfo zielInfo(ziel);
    LegeOrdnerAn(zielInfo.absolutePath());
    QTemporaryDir bau(zielInfo.absolutePath() + u'/' + zielInfo.fileName() + QStringLiteral(".entsteht-XXXXXX"));
    if (!bau.isValid()) {
        throw Fehler(QStringLiteral("Kann keinen Ordner neben %1 anlegen.").arg(ziel));
    }
    const ProgrammOrdner ordner(bau.path());
    LegeOrdnerAn(ordner.listen);
    SchreibeLogos(ordner);
    SchreibeListe(ordner);
    SchreibeSendernamen(ordner);
    SchreibeEinstellungen(ordner);
    KopiereHilfe(ordner, hilfe);
    BringeAnOrt(bau, ziel);
}

} // namespace senvio::demo
