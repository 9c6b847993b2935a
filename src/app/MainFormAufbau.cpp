// The main window's controls and menus, at their fixed places.
#include "app/MainForm.h"

#include "app/Fehlerbehandlung.h"
#include "view/ListenAnsicht.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPolygon>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>

namespace senvio {

namespace {

QFont Schrift(const QString& name, int pixel, bool fett = false) {
    QFont schrift(name);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

// The attach button's picture: a green triangle pointing down, 50 × 11, transparent ground.
QPixmap GruenesDreieck() {
    QPixmap bild(50, 11);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 160, 0));
    maler.drawPolygon(QPolygon({QPoint(0, 0), QPoint(50, 0), QPoint(25, 11)}));
    return bild;
}

// The program's icon: a television with a numbered list on its screen.
QIcon ProgrammSymbol() {
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(40, 40, 40), 3));
    maler.drawLine(22, 4, 32, 14);
    maler.drawLine(42, 4, 32, 14);
    maler.setBrush(QColor(40, 40, 40));
    maler.drawRoundedRect(4, 14, 56, 44, 8, 8);
    maler.setBrush(QColor(0, 162, 232));
    maler.setPen(Qt::NoPen);
    maler.drawRoundedRect(9, 19, 46, 34, 4, 4);
    maler.setBrush(Qt::white);
    for (int zeile = 0; zeile < 3; ++zeile) {
        maler.drawRect(14, 24 + 9 * zeile, 6, 5);
        maler.drawRect(23, 24 + 9 * zeile, 26, 5);
    }
    return QIcon(bild);
}

// Menu bar items with narrower margins than the platform style gives them.
class SchmaleMenueleiste : public QProxyStyle {
public:
    explicit SchmaleMenueleiste(QStyle* grundstil) : QProxyStyle(grundstil->name()) {}
    QSize sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& inhalt,
                           const QWidget* widget) const override {
        QSize groesse = QProxyStyle::sizeFromContents(art, option, inhalt, widget);
        if (art == CT_MenuBarItem)
            groesse.rwidth() = inhalt.width() + 8;
        return groesse;
    }
    int pixelMetric(PixelMetric mass, const QStyleOption* option, const QWidget* widget) const override {
        if (mass == PM_MenuBarItemSpacing || mass == PM_MenuBarHMargin)
            return 2;
        return QProxyStyle::pixelMetric(mass, option, widget);
    }
};

// The control's established name becomes its objectName: tests find it by that.
template <typename T> T* Benannt(T* objekt, const char* name) {
    objekt->setObjectName(QLatin1String(name));
    return objekt;
}

QAction* Eintrag(QWidget* menue, const QString& text, const char* name) {
    auto* eintrag = new QAction(text, menue);
    menue->addAction(eintrag);
    return Benannt(eintrag, name);
}

QLabel* VersteckteBildflaeche(QWidget* eltern, const char* name) {
    auto* bild = Benannt(new QLabel(eltern), name);
    bild->setGeometry(0, 0, LogoBreite, LogoHoehe);
    bild->hide();
    return bild;
}

} // namespace

void TMainForm::BaueFensterAuf() {
    setWindowTitle(QStringLiteral("Senvio-Liste 2.0"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Schrift(QStringLiteral("MS Sans Serif"), 13));
    setWindowIcon(ProgrammSymbol());

    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(530, 613);
    setCentralWidget(flaeche);

    ComboBox1 = Benannt(new QComboBox(flaeche), "ComboBox1");
    ComboBox1->setGeometry(84, 4, 414, 29);
    ComboBox1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 16, true));
    ComboBox1->setToolTip(QStringLiteral("Gruppe der Senderlogos auswählen"));
    ComboBox1->hide();

    ZurueckButton = Benannt(new QPushButton(QStringLiteral("<-----"), flaeche), "ZurueckButton");
    ZurueckButton->setGeometry(14, 4, 43, 25);
    ZurueckButton->setToolTip(QStringLiteral("Zurück"));
    ZurueckButton->hide();

    Panel1 = Benannt(new QFrame(flaeche), "Panel1");
    Panel1->setGeometry(30, 37, 466, 552);
    ScrollBox1 = Benannt(new QScrollArea(Panel1), "ScrollBox1");
    ScrollBox1->setGeometry(0, 0, 466, 552);
    ScrollBox1->setToolTip(QStringLiteral("Klicken Sie auf das passende Logo"));
    ScrollBox1->setWidget(new QWidget);
    Panel1->hide();

    Panel2 = Benannt(new QFrame(flaeche), "Panel2");
    Panel2->setGeometry(10, 14, 509, 575);
    BaueListenPanelAuf();

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

    BaueMenuesAuf();
    setFixedSize(sizeHint());
}

void TMainForm::BaueListenPanelAuf() {
    Listbox1 = Benannt(new ListenAnsicht(m_modell, m_umgebung, Panel2), "Listbox1");
    Listbox1->move(14, 47);
    Listbox1->SetzeStandardgroesse();

    AbbruchBtn = Benannt(new QPushButton(QStringLiteral("Abbruch einf."), Panel2), "AbbruchBtn");
    AbbruchBtn->setGeometry(14, 9, 70, 29);
    AbbruchBtn->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 11));
    AbbruchBtn->hide();

    TntLabel1 = Benannt(new QLabel(QStringLiteral("Name: "), Panel2), "TntLabel1");
    TntLabel1->move(99, 14);
    TntLabel1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 13));
    TntLabel1->hide();

    EinfuegenBtn = Benannt(new QPushButton(Panel2), "EinfuegenBtn");
    EinfuegenBtn->setGeometry(352, 9, 56, 29);
    EinfuegenBtn->setIcon(GruenesDreieck());
    EinfuegenBtn->setIconSize(QSize(50, 11));
    EinfuegenBtn->setToolTip(QStringLiteral("Logo an ausgewählten Eintrag anfügen"));
    EinfuegenBtn->hide();

    Image324 = Benannt(new QLabel(Panel2), "Image324");
    Image324->setGeometry(430, 2, LogoBreite, LogoHoehe);
    Image324->hide();

    // Never shown: the picked logo's name, the measuring field and work pictures.
    TntEdit1 = Benannt(new QLineEdit(Panel2), "TntEdit1");
    TntEdit1->setToolTip(QStringLiteral("Den Namen können Sie hier ändern."));
    TntEdit1->hide();
    tempTntEdit = Benannt(new QLineEdit(Panel2), "tempTntEdit");
    tempTntEdit->hide();
    for (const char* name : {"Image1", "Image3", "Image321", "Image323"})
        VersteckteBildflaeche(Panel2, name);
}

void TMainForm::Befehl(QAction* eintrag, void (TMainForm::*befehl)()) {
    connect(eintrag, &QAction::triggered, this, [this, befehl] { FuehreAus([this, befehl] { (this->*befehl)(); }); });
}

void TMainForm::BaueMenuesAuf() {
    QMenuBar* leiste = menuBar();
    // Narrow enough that the whole menu bar, spacer and help included, fits the fixed width.
    // A widget does not own its style; the menu bar does, as the style's parent.
    auto* stil = new SchmaleMenueleiste(leiste->style());
    stil->setParent(leiste);
    leiste->setStyle(stil);
    leiste->setFont(Schrift(QStringLiteral("DejaVu Sans Condensed"), 12));
    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    Neu1 = Eintrag(datei, QStringLiteral("Neu"), "Neu1");
    ffnen1 = Eintrag(datei, QStringLiteral("Öffnen"), "ffnen1");
    Senderlisteimportieren1 = Eintrag(datei, QStringLiteral("Senderliste importieren..."), "Senderlisteimportieren1");
    Speichernunter1 = Eintrag(datei, QStringLiteral("Speichern unter..."), "Speichernunter1");
    datei->addAction(QStringLiteral(" "));
    Beenden1 = Eintrag(datei, QStringLiteral("Beenden"), "Beenden1");

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    // Also from the station picker, which is a window of its own; a modal dialog or a text
    // field keeps the keys for itself.
    Rueckgaengig1 = Eintrag(bearbeiten, QStringLiteral("Rückgängig"), "Rueckgaengig1");
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1 = Eintrag(bearbeiten, QStringLiteral("Wiederholen"), "Wiederholen1");
    Wiederholen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* verlauf : {Rueckgaengig1, Wiederholen1})
        verlauf->setShortcutContext(Qt::ApplicationShortcut);
    bearbeiten->addSeparator();
    Eintragbearbeiten1 = Eintrag(bearbeiten, QStringLiteral("Eintrag bearbeiten"), "Eintragbearbeiten1");
    NeuerTexteintrageinfuegen1 =
        Eintrag(bearbeiten, QStringLiteral("Neuer Texteintrag einfügen"), "NeuerTexteintrageinfuegen1");
    SenderlogoanaktuellenEintrageinfuegen1 =
        Eintrag(bearbeiten, QStringLiteral("Senderlogo an aktuellen Eintrag einfügen"),
                "SenderlogoanaktuellenEintrageinfuegen1");
    Logosautomatischzuordnen1 =
        Eintrag(bearbeiten, QStringLiteral("Logos automatisch zuordnen..."), "Logosautomatischzuordnen1");
    DoppelteEintraegesuchen1 =
        Eintrag(bearbeiten, QStringLiteral("Doppelte Einträge suchen"), "DoppelteEintraegesuchen1");
    bearbeiten->addAction(QString(4, QLatin1Char(' ')));
    Eintraglschen1 = Eintrag(bearbeiten, QStringLiteral("Eintrag löschen"), "Eintraglschen1");

    QMenu* drucken = leiste->addMenu(QStringLiteral("Drucken"));
    DruckenOben1 = Eintrag(drucken, QStringLiteral("für DIN A6 Klarsicht Einfachhülle oben geheftet"), "DruckenOben1");
    DruckenLinks1 =
        Eintrag(drucken, QStringLiteral("für DIN A6 Klarsicht Einfachhülle links geheftet"), "DruckenLinks1");
    DruckenDoppel1 = Eintrag(drucken, QStringLiteral("für DIN A6 Klarsicht Doppelhüllen"), "DruckenDoppel1");

    QMenu* bild = leiste->addMenu(QStringLiteral("Liste speichern als Bild"));
    JPEGDatei1 = Eintrag(bild, QStringLiteral("JPEG-Datei"), "JPEGDatei1");
    PNGDatei1 = Eintrag(bild, QStringLiteral("PNG-Datei"), "PNGDatei1");

    QMenu* einstellung = leiste->addMenu(QStringLiteral("Einstellung"));
    Schriftart1 = Eintrag(einstellung, QStringLiteral("Schriftart"), "Schriftart1");
    LogoOrdneroeffnen1 = Eintrag(einstellung, QStringLiteral("Logo-Ordner öffnen"), "LogoOrdneroeffnen1");
    ListenOrdneroeffnen1 = Eintrag(einstellung, QStringLiteral("Listen-Ordner öffnen"), "ListenOrdneroeffnen1");

    Suchen1 = Eintrag(leiste, QStringLiteral("Suchen"), "Suchen1");
    Suchen1->setEnabled(false);
    leiste->addAction(QString(16, QLatin1Char(' ')));
    Hilfe1 = Eintrag(leiste, QStringLiteral("[ ? ]"), "Hilfe1");

    // The list's context menu runs the same commands as the main menu.
    PopupMenu1 = Benannt(new QMenu(this), "PopupMenu1");
    PopupMenu1->addAction(Eintragbearbeiten1);
    PopupMenu1->addAction(NeuerTexteintrageinfuegen1);
    PopupMenu1->addAction(SenderlogoanaktuellenEintrageinfuegen1);
    PopupMenu1->addAction(QString(3, QLatin1Char(' ')));
    PopupMenu1->addAction(Eintraglschen1);

    Befehl(Neu1, &TMainForm::Neu1Click);
    Befehl(ffnen1, &TMainForm::ffnen1Click);
    Befehl(Senderlisteimportieren1, &TMainForm::SenderlisteImportierenClick);
    Befehl(Speichernunter1, &TMainForm::Speichernunter1Click);
    Befehl(Beenden1, &TMainForm::Beenden1Click);
    Befehl(Eintragbearbeiten1, &TMainForm::Eintragbearbeiten1Click);
    Befehl(NeuerTexteintrageinfuegen1, &TMainForm::NeuerTexteintrageinfuegenClick);
    Befehl(SenderlogoanaktuellenEintrageinfuegen1, &TMainForm::SenderlogoanaktuellenEintrageinfuegen1Click);
    Befehl(Eintraglschen1, &TMainForm::Eintraglschen1Click);
    Befehl(Rueckgaengig1, &TMainForm::RueckgaengigClick);
    Befehl(Wiederholen1, &TMainForm::WiederholenClick);
    Befehl(DoppelteEintraegesuchen1, &TMainForm::DoppelteEintraegesuchenClick);
    Befehl(Logosautomatischzuordnen1, &TMainForm::LogosautomatischzuordnenClick);
    Befehl(DruckenOben1, &TMainForm::FuerEinfachhuelleObenGeheftetClick);
    Befehl(DruckenLinks1, &TMainForm::FuerEinfachhuelleLinksGeheftetClick);
    Befehl(DruckenDoppel1, &TMainForm::fuerDoppelhuellenClick);
    Befehl(JPEGDatei1, &TMainForm::JpegDatei1Click);
    Befehl(PNGDatei1, &TMainForm::PNGDatei1Click);
    Befehl(Schriftart1, &TMainForm::Schriftart1Click);
    Befehl(LogoOrdneroeffnen1, &TMainForm::LogoOrdneroeffnen1Click);
    Befehl(ListenOrdneroeffnen1, &TMainForm::ListenOrdneroeffnen1Click);
    Befehl(Suchen1, &TMainForm::Suchen1Click);
    Befehl(Hilfe1, &TMainForm::HilfeClick);
}

} // namespace senvio
