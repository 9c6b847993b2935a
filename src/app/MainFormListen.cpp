// "Neu", "Öffnen", "Speichern unter...", "Rückgängig" and "Wiederholen": the commands
// that switch, copy or step back the list.
#include "app/MainForm.h"

#include "list/NameEingabe.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "platform/Dialoge.h"
#include "platform/Fehler.h"
#include "platform/Fehlerbox.h"
#include "view/Listenansicht.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>

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
QString EigeneListendatei(const QString& gewaehlt, const QString& listenOrdner) {
    const QFileInfo datei(gewaehlt);
    if (datei.absoluteDir() != QDir(listenOrdner) || !datei.fileName().endsWith(u".lis", Qt::CaseInsensitive))
        return QString();
    return listenOrdner + datei.fileName();
}
} // namespace

void TMainForm::Neu1Click() {
    BeginneNeueListe();
}

bool TMainForm::BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden) {
    if (Dialoge::ZeigeModal(m_fenster.nameEingabe) != QDialog::Accepted)
        return false;
    if (einverstanden && !einverstanden(m_fenster.nameEingabe.Name()))
        return false;
    m_dokument.Speichere();
    // Of the header only the attach button and the preview go.
    m_kopf->VerbergeAnhang();
    ZeigeListenmodus();
    m_dokument.BeginneNeu(m_fenster.nameEingabe.Name());
    Aktion("Suchen1")->setEnabled(false);
    ZeigeListenStatus();
    FormPaint();
    return true;
}

void TMainForm::ffnen1Click() {
    Aktion("Suchen1")->setEnabled(false);
    m_kopf->Verberge();
    ZeigeListenmodus();
    m_dokument.Speichere();

    const QString gewaehlt = Dialoge::DateiOeffnen(this, m_ordner.listen, ListenFilter);
    if (!gewaehlt.isEmpty() && QFileInfo::exists(gewaehlt)) {
        // A file that cannot be read leaves the list, its name and the caption as they
        // were, as if the dialog had been cancelled.
        try {
            m_dokument.Oeffne(gewaehlt, ListennameAusDatei(gewaehlt), EigeneListendatei(gewaehlt, m_ordner.listen));
        } catch (const Fehler& fehler) {
            ZeigeUnbehandeltenFehler(fehler);
        }
    }
    Listbox1->WaehleZeile(0);
    ZeigeListenStatus();
    FormPaint();
}

bool TMainForm::Speichernunter1Click() {
    const QString gewaehlt =
        Dialoge::DateiSpeichern(this, m_ordner.listen, m_dokument.Name() + QStringLiteral(".lis"), ListenFilter);
    if (gewaehlt.isEmpty())
        return false;
    // A copy: the current list's name and file stay; only the flag may learn that
    // the list needs UTF-16.
    if (QFileInfo::exists(gewaehlt)) {
        if (!Dialoge::Bestaetigung(this, QStringLiteral("Die Datei \"") + gewaehlt +
                                             QStringLiteral("\" ist schon vorhanden. Soll sie überschrieben werden?")))
            return false;
        m_dokument.SpeichereUnter(gewaehlt);
        return true;
    }
    const bool hatEndung = QFileInfo(gewaehlt).fileName().contains(QLatin1Char('.'));
    m_dokument.SpeichereUnter(hatEndung ? gewaehlt : gewaehlt + QStringLiteral(".lis"));
    return true;
}

// Taking a step back or making it again renumbers and saves as any change does; the
// grid keeps its own status line.
void TMainForm::RueckgaengigClick() {
    if (m_dokument.Rueckgaengig() && IstLogoModus())
        m_statusText->setText(m_logowahl->Status());
}

void TMainForm::WiederholenClick() {
    if (m_dokument.Wiederhole() && IstLogoModus())
        m_statusText->setText(m_logowahl->Status());
}

} // namespace senvio
