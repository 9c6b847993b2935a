#include "app/Dateibefehle.h"

#include "app/Hauptfenster.h"
#include "basis/Dateimeldung.h"
#include "dokument/Listendokument.h"
#include "list/NameEingabe.h"
#include "logos/Anhangkopf.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Fehler.h"
#include "platform/Fehlerbox.h"
#include "platform/Fensterrahmen.h"
#include "view/Listenansicht.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace senvio {

namespace {
const QString ListenFilter = QStringLiteral("Listendateien (*.lis)|*.lis|Alle Dateien (*.*)|*.*");

// The list name of a chosen file: its name without folder and without ".lis" in any case.
QString ListennameAusDatei(const QString& pfad) {
    QString name = QFileInfo(pfad).fileName();
    if (name.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

// A list file of the lists folder stays the list's file, whatever the case of its ".lis";
// a file from elsewhere, or one without ".lis", is taken into the lists folder by its name.
// The settings key that names a window's version an end wrote beside its list.
const QString Fensterstandschluessel = QStringLiteral("Fensterstand");

QString EigeneListendatei(const QString& gewaehlt, const QString& listenOrdner) {
    const QFileInfo datei(gewaehlt);
    if (datei.absoluteDir() != QDir(listenOrdner) || !datei.fileName().endsWith(u".lis", Qt::CaseInsensitive))
        return QString();
    return listenOrdner + datei.fileName();
}
} // namespace

Dateibefehle::Dateibefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                           TNameEingabeForm& nameEingabe, Anhangkopf& kopf)
    : m_fenster(fenster), m_dokument(dokument), m_ordner(ordner), m_nameEingabe(nameEingabe), m_kopf(kopf) {}

void Dateibefehle::Neu1Click() {
    BeginneNeueListe();
}

bool Dateibefehle::BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden) {
    StelleUeber(m_nameEingabe, *m_fenster.Eltern());
    if (Dialoge::ZeigeModal(m_nameEingabe) != QDialog::Accepted)
        return false;
    if (einverstanden && !einverstanden(m_nameEingabe.Name()))
        return false;
    m_dokument.SpeichereVorDemWechsel();
    // Of the header only the attach button and the preview go.
    m_kopf.VerbergeAnhang();
    m_fenster.ZeigeListenmodus(Hauptfenster::Suche::Endet);
    m_dokument.BeginneNeu(m_nameEingabe.Name());
    m_fenster.ZeigeListenStatus();
    m_fenster.RichteAnsichtAus();
    return true;
}

void Dateibefehle::ffnen1Click() {
    m_kopf.Verberge();
    m_fenster.ZeigeListenmodus(Hauptfenster::Suche::Endet);
    m_dokument.SpeichereVorDemWechsel();

    const QString gewaehlt = Dialoge::DateiOeffnen(m_fenster.Eltern(), m_ordner.listen, ListenFilter);
    if (!gewaehlt.isEmpty() && QFileInfo::exists(gewaehlt)) {
        // A file that cannot be read leaves the list, its name and the caption as they
        // were, as if the dialog had been cancelled.
        try {
            m_dokument.Oeffne(gewaehlt, ListennameAusDatei(gewaehlt), EigeneListendatei(gewaehlt, m_ordner.listen));
        } catch (const Fehler& fehler) {
            ZeigeUnbehandeltenFehler(fehler);
        }
    }
    m_fenster.Ansicht().WaehleZeile(0);
    m_fenster.ZeigeListenStatus();
    m_fenster.RichteAnsichtAus();
}

bool Dateibefehle::Speichernunter1Click() {
    QWidget* eltern = m_fenster.Eltern();
    const QString gewaehlt =
        Dialoge::DateiSpeichern(eltern, m_ordner.listen, m_dokument.Name() + QStringLiteral(".lis"), ListenFilter);
    if (gewaehlt.isEmpty())
        return false;
    // A copy: the current list's name and file stay; only the flag may learn that
    // the list needs UTF-16.
    if (QFileInfo::exists(gewaehlt)) {
        if (!Dialoge::Bestaetigung(eltern,
                                   QStringLiteral("Die Datei \"") + gewaehlt +
                                       QStringLiteral("\" ist schon vorhanden. Soll sie überschrieben werden?")))
            return false;
        m_dokument.SpeichereUnter(gewaehlt);
        return true;
    }
    const bool hatEndung = QFileInfo(gewaehlt).fileName().contains(QLatin1Char('.'));
    m_dokument.SpeichereUnter(hatEndung ? gewaehlt : gewaehlt + QStringLiteral(".lis"));
    return true;
}

void Dateibefehle::Beenden1Click() {
    m_fenster.Schliesse();
}

bool Dateibefehle::SichereListeZumEnde() {
    if (m_listeErledigt)
        return true;
    try {
        m_dokument.Speichere();
        m_listeErledigt = true;
        return true;
    } catch (const std::exception&) {
    }
    // A list that cannot be written where it lives (a read-only folder, a full disk)
    // goes elsewhere, or is given up only when the user says so.
    const QString frage = QStringLiteral("Die Liste „%1“ konnte nicht gespeichert werden. Möchten Sie sie an einem "
                                         "anderen Ort speichern?")
                              .arg(m_dokument.Name());
    for (;;) {
        switch (Dialoge::Wahl(m_fenster.Eltern(), QStringLiteral("Warnung"), frage,
                              {QStringLiteral("Speichern unter..."), QStringLiteral("Ohne Speichern beenden"),
                               QStringLiteral("Abbrechen")})) {
        case 0: {
            bool geschrieben = false;
            FuehreAus([&] { geschrieben = Speichernunter1Click(); });
            if (!geschrieben)
                continue;
            break;
        }
        case 1:
            break;
        default:
            return false;
        }
        m_listeErledigt = true;
        return true;
    }
}

void Dateibefehle::SichereListe(bool ohneBox) {
    if (m_listeErledigt)
        return;
    if (!ohneBox) {
        FuehreAus([this] { m_dokument.Speichere(); });
        return;
    }
    // Nobody is there to answer: a list file another program changed stays as it wrote it.
    m_dokument.SetzeUeberschreibfrage([](const QString& name) {
        QTextStream(stderr) << "senvio: Die Liste „" << name
                            << "“ wurde von einem anderen Programm geändert und wird nicht überschrieben.\n";
        return false;
    });
    try {
        m_dokument.Speichere();
    } catch (...) {
        QTextStream(stderr) << "senvio: " << QString::fromStdString(MeldungDerAusnahme(std::current_exception()))
                            << '\n';
    }
    m_dokument.SetzeUeberschreibfrage([this](const QString& name) { return FrageVorDemUeberschreiben(name); });
    if (!m_dokument.Ungespeichert())
        return;
    try {
        const QString daneben = m_dokument.SichereFensterstand();
        QTextStream(stderr) << "senvio: Der Stand dieses Fensters wurde in „" << daneben << "“ gespeichert.\n";
        SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, Fensterstandschluessel, daneben);
    } catch (...) {
        QTextStream(stderr) << "senvio: " << QString::fromStdString(MeldungDerAusnahme(std::current_exception()))
                            << '\n';
    }
}

void Dateibefehle::MeldeFensterstand() {
    const QString daneben = LeseIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, Fensterstandschluessel);
    if (daneben.isEmpty())
        return;
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, Fensterstandschluessel, QString());
    if (QFileInfo::exists(daneben))
        Dialoge::Information(m_fenster.Eltern(),
                             QStringLiteral("Beim letzten Ende konnte eine Änderung nicht in die Liste geschrieben "
                                            "werden. Der Stand des Fensters liegt in der Datei „%1“; Sie können "
                                            "ihn mit „Öffnen“ laden.")
                                 .arg(daneben));
}

bool Dateibefehle::FrageVorDemUeberschreiben(const QString& name) {
    return Dialoge::Bestaetigung(m_fenster.Eltern(),
                                 QStringLiteral("Die Liste „%1“ wurde von einem anderen Programm geändert, seit "
                                                "sie hier geöffnet oder gespeichert wurde. Möchten Sie sie mit "
                                                "dem Stand in diesem Fenster überschreiben?")
                                     .arg(name));
}

} // namespace senvio
