// The main window's controls and menus, at their fixed places.
#include "app/MainForm.h"

#include "app/Befehle.h"
#include "app/Fensterteile.h"
#include "list/BearbeitenForm.h"
#include "list/NameEingabe.h"
#include "list/TextlistenForm.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "logos/SuchForm.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Fehlerbox.h"
#include "view/Listenansicht.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QUndoStack>

namespace senvio {

void TMainForm::BaueFensterAuf() {
    setWindowTitle(QStringLiteral("Senvio-Liste 2.0"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Schrift(QStringLiteral("MS Sans Serif"), 13));
    setWindowIcon(ProgrammSymbol());

    auto* flaeche = new QWidget(this);
    flaeche->setMinimumSize(Standardflaeche);
    setCentralWidget(flaeche);

    StatusBar1 = Benannt(new QStatusBar(flaeche), "StatusBar1");
    StatusBar1->setGeometry(0, 613 - 24, 530, 24);
    StatusBar1->setSizeGripEnabled(false);
    m_statusText = new QLabel(StatusBar1);
    StatusBar1->addWidget(m_statusText, 1);

    ProgressBar1 = Benannt(new QProgressBar(flaeche), "ProgressBar1");
    ProgressBar1->setGeometry(4, 594, 150, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    m_logowahl = new Logowahl(m_ordner.logoWurzel, m_fenster.grossBild, m_fenster.suche, *ProgressBar1, flaeche);
    Panel2 = Benannt(new QFrame(flaeche), "Panel2");
    Panel2->setGeometry(10, 14, 509, 575);
    BaueListenPanelAuf();

    m_befehle = std::make_unique<Befehle>(*this, m_dokument, m_ordner, m_fenster, *m_logowahl, *m_kopf, *ProgressBar1);
    BaueMenuesAuf();
    // The standard size is the smallest; what the window has beyond it goes to the list and the grid.
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

void TMainForm::resizeEvent(QResizeEvent* ereignis) {
    QMainWindow::resizeEvent(ereignis);
    const QSize flaeche = centralWidget()->size().expandedTo(Standardflaeche);
    const QSize mehr = flaeche - Standardflaeche;
    StatusBar1->setGeometry(0, flaeche.height() - 24, flaeche.width(), 24);
    ProgressBar1->move(4, flaeche.height() - 19);
    m_logowahl->resize(flaeche.width(), flaeche.height() - 24);
    Panel2->resize(QSize(509, 575) + mehr);
    Listbox1->SetzeGroesse(mehr);
}

void TMainForm::BaueListenPanelAuf() {
    const Listendokument::Anzeige anzeige = m_dokument.FuerAnsicht();
    Listbox1 = Benannt(new Listenansicht(anzeige.modell, anzeige.umgebung, Panel2), "Listbox1");
    Listbox1->move(14, 47);
    Listbox1->SetzeStandardgroesse();
    m_dokument.SetzeAuswahlbindung(
        {[this] { return Listbox1->AktuelleZeile(); }, [this](int zeile) { Listbox1->WaehleZeile(zeile); }});

    m_kopf = new Anhangkopf(Panel2);
}

QAction* TMainForm::Aktion(const char* name) const {
    return findChild<QAction*>(QLatin1String(name));
}

// The menus in one table: each item's menu, name, caption and command. An item without
// a name is a blank line of its menu; "-" is a separator.
void TMainForm::BaueMenuesAuf() {
    QMenuBar* leiste = menuBar();
    // Narrow enough that the whole menu bar, spacer and help included, fits the fixed width.
    // A widget does not own its style; the menu bar does, as the style's parent.
    auto* stil = new SchmaleMenueleiste(leiste->style());
    stil->setParent(leiste);
    leiste->setStyle(stil);
    leiste->setFont(Schrift(QStringLiteral("DejaVu Sans Condensed"), 12));
    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    QMenu* drucken = leiste->addMenu(QStringLiteral("Drucken"));
    QMenu* bild = leiste->addMenu(QStringLiteral("Liste speichern als Bild"));
    QMenu* einstellung = leiste->addMenu(QStringLiteral("Einstellung"));
    Befehle* b = m_befehle.get();
    struct Befehlszeile {
        QWidget* menue;
        const char* name;
        QString text;
        std::function<void()> befehl;
    };
    const Befehlszeile tabelle[] = {
        {datei, "Neu1", QStringLiteral("Neu"), [b] { b->datei.Neu1Click(); }},
        {datei, "ffnen1", QStringLiteral("Öffnen"), [b] { b->datei.ffnen1Click(); }},
        {datei, "Senderlisteimportieren1", QStringLiteral("Senderliste importieren..."),
         [b] { b->importe.SenderlisteImportierenClick(); }},
        {datei, "VomReceiverHolen1", QStringLiteral("Vom Receiver holen..."),
         [b] { b->importe.VomReceiverHolenClick(); }},
        {datei, "ListeAktualisieren1", QStringLiteral("Liste aktualisieren..."),
         [b] { b->importe.ListeAktualisierenClick(); }},
        {datei, "Speichernunter1", QStringLiteral("Speichern unter..."), [b] { b->datei.Speichernunter1Click(); }},
        {datei, "Drucken1", QStringLiteral("Drucken..."), [b] { b->druck.DruckeDirekt(false); }},
        {datei, "Druckvorschau1", QStringLiteral("Druckvorschau..."), [b] { b->druck.DruckeDirekt(true); }},
        {datei, nullptr, QStringLiteral(" "), {}},
        {datei, "Beenden1", QStringLiteral("Beenden"), [b] { b->datei.Beenden1Click(); }},
        {bearbeiten, "Rueckgaengig1", QStringLiteral("Rückgängig"), [b] { b->bearbeiten.RueckgaengigClick(); }},
        {bearbeiten, "Wiederholen1", QStringLiteral("Wiederholen"), [b] { b->bearbeiten.WiederholenClick(); }},
        {bearbeiten, "-", {}, {}},
        {bearbeiten, "Eintragbearbeiten1", QStringLiteral("Eintrag bearbeiten"),
         [b] { b->bearbeiten.Eintragbearbeiten1Click(); }},
        {bearbeiten, "NeuerTexteintrageinfuegen1", QStringLiteral("Neuer Texteintrag einfügen"),
         [b] { b->bearbeiten.NeuerTexteintrageinfuegenClick(); }},
        {bearbeiten, "SenderlogoanaktuellenEintrageinfuegen1",
         QStringLiteral("Senderlogo an aktuellen Eintrag einfügen"),
         [b] { b->logos.SenderlogoanaktuellenEintrageinfuegen1Click(); }},
        {bearbeiten, "Logosautomatischzuordnen1", QStringLiteral("Logos automatisch zuordnen..."),
         [b] { b->logos.LogosautomatischzuordnenClick(); }},
        {bearbeiten, "DoppelteEintraegesuchen1", QStringLiteral("Doppelte Einträge suchen"),
         [b] { b->bearbeiten.DoppelteEintraegesuchenClick(); }},
        {bearbeiten, "DoppelteEintraegeentfernen1", QStringLiteral("Doppelte Einträge entfernen..."),
         [b] { b->bearbeiten.DoppelteEintraegeentfernenClick(); }},
        {bearbeiten, nullptr, QString(4, QLatin1Char(' ')), {}},
        {bearbeiten, "Eintraglschen1", QStringLiteral("Eintrag löschen"), [b] { b->bearbeiten.Eintraglschen1Click(); }},
        {drucken, "DruckenOben1", QStringLiteral("für DIN A6 Klarsicht Einfachhülle oben geheftet"),
         [b] { b->druck.DruckeListe(Ausgabeart::ObenGeheftet); }},
        {drucken, "DruckenLinks1", QStringLiteral("für DIN A6 Klarsicht Einfachhülle links geheftet"),
         [b] { b->druck.DruckeListe(Ausgabeart::LinksGeheftet); }},
        {drucken, "DruckenDoppel1", QStringLiteral("für DIN A6 Klarsicht Doppelhüllen"),
         [b] { b->druck.DruckeListe(Ausgabeart::Doppelhuellen); }},
        {drucken, "-", {}, {}},
        // A tick, read by the print commands.
        {drucken, "NurGeaenderteKarten1", QStringLiteral("Nur geänderte Karten drucken"), [] {}},
        {bild, "JPEGDatei1", QStringLiteral("JPEG-Datei"),
         [b] { b->bild.SpeichereListeAlsBild(Ausgabeart::BildJpeg); }},
        {bild, "PNGDatei1", QStringLiteral("PNG-Datei"), [b] { b->bild.SpeichereListeAlsBild(Ausgabeart::BildPng); }},
        {einstellung, "Schriftart1", QStringLiteral("Schriftart"), [b] { b->einstellung.Schriftart1Click(); }},
        {einstellung, "Rueckseite1", QStringLiteral("Rückseite..."), [b] { b->einstellung.Rueckseite1Click(); }},
        {einstellung, "LogoOrdneroeffnen1", QStringLiteral("Logo-Ordner öffnen"),
         [b] { b->einstellung.LogoOrdneroeffnen1Click(); }},
        {einstellung, "ListenOrdneroeffnen1", QStringLiteral("Listen-Ordner öffnen"),
         [b] { b->einstellung.ListenOrdneroeffnen1Click(); }},
        {einstellung, "Zwischenspeicherleeren1", QStringLiteral("Zwischenspeicher leeren"),
         [b] { b->einstellung.Zwischenspeicherleeren1Click(); }},
        {leiste, "Suchen1", QStringLiteral("Suchen"), [b] { b->logos.Suchen1Click(); }},
        {leiste, nullptr, QString(16, QLatin1Char(' ')), {}},
        {leiste, "Hilfe1", QStringLiteral("[ ? ]"), [b] { b->einstellung.HilfeClick(); }},
    };
    for (const Befehlszeile& zeile : tabelle) {
        if (zeile.name && qstrcmp(zeile.name, "-") == 0) {
            static_cast<QMenu*>(zeile.menue)->addSeparator();
            continue;
        }
        auto* eintrag = new QAction(zeile.text, zeile.menue);
        zeile.menue->addAction(eintrag);
        if (!zeile.name)
            continue;
        eintrag->setObjectName(QLatin1String(zeile.name));
        // An error the command does not catch ends it and is shown in the error box.
        connect(eintrag, &QAction::triggered, this, [befehl = zeile.befehl] { FuehreAus(befehl); });
    }
    // Also from the station picker, which is a window of its own; a modal dialog or a text
    // field keeps the keys for itself.
    Aktion("Rueckgaengig1")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Aktion("Drucken1")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Aktion("Wiederholen1")
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (const char* verlauf : {"Rueckgaengig1", "Wiederholen1"})
        Aktion(verlauf)->setShortcutContext(Qt::ApplicationShortcut);
    Aktion("Suchen1")->setEnabled(false);
    Aktion("NurGeaenderteKarten1")->setCheckable(true);
    b->druck.BindeNurGeaenderte(*Aktion("NurGeaenderteKarten1"));
    b->druck.ZeigeNurGeaenderte();
    // An undo or a print since the update may have ended the waiting.
    connect(drucken, &QMenu::aboutToShow, this, [b] { b->druck.ZeigeNurGeaenderte(); });
    // Delete in the window, Backspace on the list: the menu command, its question included.
    Aktion("Eintraglschen1")->setShortcut(QKeySequence::Delete);
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), Listbox1, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, Aktion("Eintraglschen1"), &QAction::trigger);

    // The list's context menu runs the same commands as the main menu.
    PopupMenu1 = Benannt(new QMenu(this), "PopupMenu1");
    PopupMenu1->addAction(Aktion("Eintragbearbeiten1"));
    PopupMenu1->addAction(Aktion("NeuerTexteintrageinfuegen1"));
    PopupMenu1->addAction(Aktion("SenderlogoanaktuellenEintrageinfuegen1"));
    PopupMenu1->addAction(QString(3, QLatin1Char(' ')));
    PopupMenu1->addAction(Aktion("Eintraglschen1"));
}

// What the window hears from its parts: the list view's requests, the picker's picks,
// the document's renumbering and switching, the history's state for the two menu items.
void TMainForm::VerbindeBefehle() {
    Befehle* b = m_befehle.get();
    connect(Listbox1, &Listenansicht::VerschiebenGewuenscht, this,
            [b](int von, int nach) { FuehreAus([=] { b->bearbeiten.VerschiebeEintrag(von, nach); }); });
    connect(Listbox1, &Listenansicht::KontextmenueGewuenscht, this, [this](const QPoint& global) {
        if (Listbox1->AktuelleZeile() >= 0 && m_dokument.Liste().Anzahl() > 0)
            PopupMenu1->popup(global + QPoint(10, 10));
    });
    connect(&m_fenster.textliste, &TTextlistenForm::Einfuegen, this,
            [b] { FuehreAus([b] { b->bearbeiten.FuegeTexteintragEin(); }); });
    connect(m_logowahl, &Logowahl::Gewaehlt, this,
            [b](const QString& pfad, const QImage& logo) { b->logos.LogoGewaehlt(pfad, logo); });
    connect(m_logowahl, &Logowahl::Zurueck, this, [b] { FuehreAus([b] { b->logos.ZurueckButtonClick(); }); });
    connect(m_logowahl, &Logowahl::Meldung, this, [this](const QString& text, bool sofort) {
        m_statusText->setText(text);
        if (sofort)
            m_statusText->repaint();
    });
    connect(m_logowahl, &Logowahl::KlickGewuenscht, this, [b](const QPoint& ziel) { b->logos.KlickeAufKachel(ziel); });
    connect(m_kopf, &Anhangkopf::Einfuegen, this, [b] { FuehreAus([b] { b->logos.EinfuegenBtnClick(); }); });
    connect(&m_dokument, &Listendokument::Nummeriert, this, [this] {
        // Also when no number changed: the placeholders are drawn again as after every command.
        Listbox1->viewport()->update();
        ZeigeListenStatus();
    });
    connect(&m_dokument, &Listendokument::Gewechselt, this, [this] {
        SetzeTitel();
        // Written at once, not only at the end: after a crash the next start finds this list.
        SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName"), m_dokument.Name());
    });
    const QUndoStack& verlauf = m_dokument.Verlauf();
    for (const auto& [name, wort] : {std::pair{"Rueckgaengig1", QStringLiteral("Rückgängig")},
                                     std::pair{"Wiederholen1", QStringLiteral("Wiederholen")}}) {
        QAction* aktion = Aktion(name);
        aktion->setEnabled(false);
        const bool zurueck = qstrcmp(name, "Rueckgaengig1") == 0;
        connect(&verlauf, zurueck ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, aktion,
                &QAction::setEnabled);
        // "Rückgängig: Eintrag löschen"; the bare word when there is nothing to take back.
        connect(&verlauf, zurueck ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, aktion,
                [aktion, wort](const QString& schritt) {
                    aktion->setText(schritt.isEmpty() ? wort : wort + QStringLiteral(": ") + schritt);
                });
    }
}

Listenschrift TMainForm::AktuelleListenschrift() const {
    return {Listbox1->font(), Listbox1->Schriftfarbe()};
}

void TMainForm::SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld) {
    Listbox1->setFont(liste.schrift);
    Listbox1->SetzeSchriftfarbe(liste.farbe);
    m_kopf->SetzeListenschrift(liste, auchNamensfeld);

    // The dependent controls: face, style and colour at 10 points.
    QFont klein = liste.schrift;
    klein.setPointSize(10);
    m_fenster.suche.SetzeListenschrift(klein, liste.farbe);
    m_fenster.bearbeiten.SetzeListenschrift(klein, liste.farbe);
    m_fenster.textliste.SetzeListenschrift(klein, liste.farbe);
}

} // namespace senvio
