// "Rückgängig" and "Wiederholen": every change of the list's lines is a step of the
// history; taking one back or making it again renumbers and saves as any change does.
#include "app/MainForm.h"

#include "list/ListenDatei.h"
#include "list/Zeilenwechsel.h"
#include "view/ListenAnsicht.h"

#include <QAction>
#include <QUndoStack>

#include <functional>

namespace senvio {

namespace {

// A step holds only the stretch of lines that changed, and the selection before and after.
class Listenschritt : public QUndoCommand {
public:
    using Anwendung = std::function<void(const Zeilenwechsel&, bool vorwaerts, int auswahl)>;
    Listenschritt(const QString& name, Zeilenwechsel wechsel, int auswahlVorher, int auswahlNachher,
                  Anwendung anwendung)
        : QUndoCommand(name), m_wechsel(std::move(wechsel)), m_auswahlVorher(auswahlVorher),
          m_auswahlNachher(auswahlNachher), m_anwendung(std::move(anwendung)) {}

    void undo() override { m_anwendung(m_wechsel, false, m_auswahlVorher); }
    void redo() override {
        // Pushed after the command made the change: the first call has nothing to do.
        if (m_schonGetan) {
            m_schonGetan = false;
            return;
        }
        m_anwendung(m_wechsel, true, m_auswahlNachher);
    }

private:
    Zeilenwechsel m_wechsel;
    int m_auswahlVorher;
    int m_auswahlNachher;
    Anwendung m_anwendung;
    bool m_schonGetan = true;
};

// "Rückgängig: Eintrag löschen"; the bare word when there is nothing to take back.
void ZeigeSchritt(QAction* aktion, const QString& wort, const QString& schritt) {
    aktion->setText(schritt.isEmpty() ? wort : wort + QStringLiteral(": ") + schritt);
}

} // namespace

TMainForm::Verlaufsschritt::Verlaufsschritt(TMainForm& haupt, QString name)
    : m_haupt(haupt), m_name(std::move(name)), m_vorher(haupt.m_liste.Zeilen()),
      m_auswahl(haupt.Listbox1->AktuelleZeile()) {}

TMainForm::Verlaufsschritt::~Verlaufsschritt() {
    try {
        Zeilenwechsel wechsel = VergleicheZeilen(m_vorher, m_haupt.m_liste.Zeilen());
        if (wechsel.IstLeer())
            return;
        TMainForm* haupt = &m_haupt;
        m_haupt.m_verlauf->push(new Listenschritt(m_name, std::move(wechsel), m_auswahl,
                                                  m_haupt.Listbox1->AktuelleZeile(),
                                                  [haupt](const Zeilenwechsel& w, bool vorwaerts, int auswahl) {
                                                      haupt->WendeSchrittAn(w, vorwaerts, auswahl);
                                                  }));
    } catch (const std::exception&) {
        // Out of memory for the step: the change stands, it only cannot be taken back.
        m_haupt.m_verlauf->clear();
    }
}

void TMainForm::VerbindeVerlauf() {
    m_verlauf = new QUndoStack(this);
    Rueckgaengig1->setEnabled(false);
    Wiederholen1->setEnabled(false);
    connect(m_verlauf, &QUndoStack::canUndoChanged, Rueckgaengig1, &QAction::setEnabled);
    connect(m_verlauf, &QUndoStack::canRedoChanged, Wiederholen1, &QAction::setEnabled);
    // The menus go before the history when the window ends: each caption's connection ends with its item.
    connect(m_verlauf, &QUndoStack::undoTextChanged, Rueckgaengig1, [aktion = Rueckgaengig1](const QString& schritt) {
        ZeigeSchritt(aktion, QStringLiteral("Rückgängig"), schritt);
    });
    connect(m_verlauf, &QUndoStack::redoTextChanged, Wiederholen1, [aktion = Wiederholen1](const QString& schritt) {
        ZeigeSchritt(aktion, QStringLiteral("Wiederholen"), schritt);
    });
}

void TMainForm::WendeSchrittAn(const Zeilenwechsel& wechsel, bool vorwaerts, int auswahl) {
    bool passt = true;
    m_modell.Aendere([&](SenderListe& liste) { passt = WendeAn(liste, wechsel, vorwaerts); });
    NummeriereNeu();
    Listbox1->WaehleZeile(std::min(auswahl, int(m_liste.Anzahl()) - 1));
    if (IstLogoModus())
        ZeigeLogoStatus(); // the grid keeps its own status line
    // Only a change that bypassed the history could make a step not fit: the history is
    // then no longer the list's.
    if (!passt)
        QMetaObject::invokeMethod(m_verlauf, &QUndoStack::clear, Qt::QueuedConnection);
}

void TMainForm::RueckgaengigClick() {
    if (!m_verlauf->canUndo())
        return;
    m_verlauf->undo();
    m_modell.Speichere(AktuelleListendatei());
}

void TMainForm::WiederholenClick() {
    if (!m_verlauf->canRedo())
        return;
    m_verlauf->redo();
    m_modell.Speichere(AktuelleListendatei());
}

} // namespace senvio
