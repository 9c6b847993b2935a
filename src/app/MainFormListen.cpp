// "Neu", "Öffnen" and "Speichern unter...": the commands that switch or copy list files.
#include "app/MainForm.h"

#include "app/Fehlerbehandlung.h"
#include "list/ListenDatei.h"
#include "list/NameEingabe.h"
#include "list/Platzhalterzaehler.h"
#include "platform/Dialoge.h"
#include "platform/Fehler.h"
#include "view/ListenAnsicht.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>

namespace senvio {

namespace {
const QString ListenFilter = QStringLiteral("Listendateien (*.lis)|*.lis|Alle Dateien (*.*)|*.*");

// The list name of a chosen file: its name without folder and without ".lis" in any case.
QString ListenNameAusDatei(const QString& pfad) {
    QString name = QFileInfo(pfad).fileName();
    if (name.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}
} // namespace

// A list file of the lists folder stays the list's file, whatever the case of its ".lis";
// a file from elsewhere, or one without ".lis", is taken into the lists folder by its name.
QString TMainForm::EigeneListendatei(const QString& gewaehlt) const {
    const QFileInfo datei(gewaehlt);
    if (datei.absoluteDir() != QDir(m_ordner.listen) || !datei.fileName().endsWith(u".lis", Qt::CaseInsensitive))
        return QString();
    return m_ordner.listen + datei.fileName();
}

void TMainForm::Neu1Click() {
    BeginneNeueListe();
}

bool TMainForm::BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden) {
    if (Dialoge::ZeigeModal(*m_fenster.nameEingabe) != QDialog::Accepted)
        return false;
    if (einverstanden && !einverstanden(m_fenster.nameEingabe->Name()))
        return false;
    m_modell.Speichere(AktuelleListendatei());
    // Of the header only the attach button and the preview go.
    EinfuegenBtn->hide();
    Image324->hide();
    ZeigeListenmodus();
    m_listenName = m_fenster.nameEingabe->Name();
    m_listenDatei.clear();
    SetzeTitel();
    m_modell.Leere();
    m_importSchluessel.clear();
    m_verlauf->clear();
    m_listeVollstaendig = true;
    Suchen1->setEnabled(false);
    ZeigeListenStatus();
    FormPaint();
    return true;
}

void TMainForm::ffnen1Click() {
    Suchen1->setEnabled(false);
    VerbergeKopf();
    ZeigeListenmodus();
    m_modell.Speichere(AktuelleListendatei());

    const QString gewaehlt = Dialoge::DateiOeffnen(this, m_ordner.listen, ListenFilter);
    if (!gewaehlt.isEmpty() && QFileInfo::exists(gewaehlt)) {
        // Read first: a file that cannot be read leaves the list, its name and the
        // caption as they were, as if the dialog had been cancelled.
        SenderListe gelesen;
        try {
            LeseListendatei(gewaehlt, gelesen);
            m_listenName = ListenNameAusDatei(gewaehlt);
            m_listenDatei = EigeneListendatei(gewaehlt);
            SetzeTitel();
            m_modell.SetzeAlle(std::move(gelesen));
            m_importSchluessel.clear();
            m_verlauf->clear();
            m_listeVollstaendig = true;
            m_umgebung.platzhalterZaehler =
                PlatzhalterZaehlerNachOeffnen(m_liste.Zeilen(), m_ordner.programm, m_umgebung.platzhalterZaehler);
        } catch (const Fehler& fehler) {
            ZeigeUnbehandeltenFehler(fehler);
        }
    }
    Listbox1->WaehleZeile(0);
    ZeigeListenStatus();
    FormPaint();
}

void TMainForm::Speichernunter1Click() {
    const QString gewaehlt =
        Dialoge::DateiSpeichern(this, m_ordner.listen, m_listenName + QStringLiteral(".lis"), ListenFilter);
    if (gewaehlt.isEmpty())
        return;
    // A copy: the current list's name and file stay; only the flag may learn that
    // the list needs UTF-16.
    if (QFileInfo::exists(gewaehlt)) {
        if (Dialoge::Bestaetigung(this, QStringLiteral("Die Datei \"") + gewaehlt +
                                            QStringLiteral("\" ist schon vorhanden. Soll sie überschrieben werden?")))
            m_modell.Speichere(gewaehlt);
        return;
    }
    const bool hatEndung = QFileInfo(gewaehlt).fileName().contains(QLatin1Char('.'));
    m_modell.Speichere(hatEndung ? gewaehlt : gewaehlt + QStringLiteral(".lis"));
}

} // namespace senvio
