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

QLabel* VersteckteBildflaeche(QWidget* eltern) {
    auto* bild = new QLabel(eltern);
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

    ComboBox1 = new QComboBox(flaeche);
    ComboBox1->setGeometry(84, 4, 414, 29);
    ComboBox1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 16, true));
    ComboBox1->setToolTip(QStringLiteral("Gruppe der Senderlogos auswählen"));
    ComboBox1->hide();

    ZurueckButton = new QPushButton(QStringLiteral("<-----"), flaeche);
    ZurueckButton->setGeometry(14, 4, 43, 25);
    ZurueckButton->setToolTip(QStringLiteral("Zurück"));
    ZurueckButton->hide();

    Panel1 = new QFrame(flaeche);
    Panel1->setGeometry(30, 37, 466, 552);
    ScrollBox1 = new QScrollArea(Panel1);
    ScrollBox1->setGeometry(0, 0, 466, 552);
    ScrollBox1->setToolTip(QStringLiteral("Klicken Sie auf das passende Logo"));
    ScrollBox1->setWidget(new QWidget);
    Panel1->hide();

    Panel2 = new QFrame(flaeche);
    Panel2->setGeometry(10, 14, 509, 575);
    BaueListenPanelAuf();

    StatusBar1 = new QStatusBar(flaeche);
    StatusBar1->setGeometry(0, 613 - 24, 530, 24);
    StatusBar1->setSizeGripEnabled(false);
    m_statusText = new QLabel(StatusBar1);
    StatusBar1->addWidget(m_statusText, 1);

    ProgressBar1 = new QProgressBar(flaeche);
    ProgressBar1->setGeometry(4, 594, 150, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    BaueMenuesAuf();
    setFixedSize(sizeHint());
}

void TMainForm::BaueListenPanelAuf() {
    Listbox1 = new ListenAnsicht(m_modell, m_umgebung, Panel2);
    Listbox1->move(14, 47);
    Listbox1->SetzeStandardgroesse();

    AbbruchBtn = new QPushButton(QStringLiteral("Abbruch einf."), Panel2);
    AbbruchBtn->setGeometry(14, 9, 70, 29);
    AbbruchBtn->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 11));
    AbbruchBtn->hide();

    TntLabel1 = new QLabel(QStringLiteral("Name: "), Panel2);
    TntLabel1->move(99, 14);
    TntLabel1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 13));
    TntLabel1->hide();

    EinfuegenBtn = new QPushButton(Panel2);
    EinfuegenBtn->setGeometry(352, 9, 56, 29);
    EinfuegenBtn->setIcon(GruenesDreieck());
    EinfuegenBtn->setIconSize(QSize(50, 11));
    EinfuegenBtn->setToolTip(QStringLiteral("Logo an ausgewählten Eintrag anfügen"));
    EinfuegenBtn->hide();

    Image324 = new QLabel(Panel2);
    Image324->setGeometry(430, 2, LogoBreite, LogoHoehe);
    Image324->hide();

    // Never shown: the picked logo's name, the measuring field and work pictures.
    TntEdit1 = new QLineEdit(Panel2);
    TntEdit1->setToolTip(QStringLiteral("Den Namen können Sie hier ändern."));
    TntEdit1->hide();
    tempTntEdit = new QLineEdit(Panel2);
    tempTntEdit->hide();
    Image1 = VersteckteBildflaeche(Panel2);
    Image3 = VersteckteBildflaeche(Panel2);
    Image321 = VersteckteBildflaeche(Panel2);
    Image323 = VersteckteBildflaeche(Panel2);
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
    Neu1 = datei->addAction(QStringLiteral("Neu"));
    ffnen1 = datei->addAction(QStringLiteral("Öffnen"));
    Senderlisteimportieren1 = datei->addAction(QStringLiteral("Senderliste importieren..."));
    Speichernunter1 = datei->addAction(QStringLiteral("Speichern unter..."));
    datei->addAction(QStringLiteral(" "));
    Beenden1 = datei->addAction(QStringLiteral("Beenden"));

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    // Also from the station picker, which is a window of its own; a modal dialog or a text
    // field keeps the keys for itself.
    Rueckgaengig1 = bearbeiten->addAction(QStringLiteral("Rückgängig"));
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1 = bearbeiten->addAction(QStringLiteral("Wiederholen"));
    Wiederholen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* verlauf : {Rueckgaengig1, Wiederholen1})
        verlauf->setShortcutContext(Qt::ApplicationShortcut);
    bearbeiten->addSeparator();
    Eintragbearbeiten1 = bearbeiten->addAction(QStringLiteral("Eintrag bearbeiten"));
    NeuerTexteintrageinfuegen1 = bearbeiten->addAction(QStringLiteral("Neuer Texteintrag einfügen"));
    SenderlogoanaktuellenEintrageinfuegen1 =
        bearbeiten->addAction(QStringLiteral("Senderlogo an aktuellen Eintrag einfügen"));
    Logosautomatischzuordnen1 = bearbeiten->addAction(QStringLiteral("Logos automatisch zuordnen..."));
    DoppelteEintraegesuchen1 = bearbeiten->addAction(QStringLiteral("Doppelte Einträge suchen"));
    bearbeiten->addAction(QString(4, QLatin1Char(' ')));
    Eintraglschen1 = bearbeiten->addAction(QStringLiteral("Eintrag löschen"));

    QMenu* drucken = leiste->addMenu(QStringLiteral("Drucken"));
    DruckenOben1 = drucken->addAction(QStringLiteral("für DIN A6 Klarsicht Einfachhülle oben geheftet"));
    DruckenLinks1 = drucken->addAction(QStringLiteral("für DIN A6 Klarsicht Einfachhülle links geheftet"));
    DruckenDoppel1 = drucken->addAction(QStringLiteral("für DIN A6 Klarsicht Doppelhüllen"));

    QMenu* bild = leiste->addMenu(QStringLiteral("Liste speichern als Bild"));
    JPEGDatei1 = bild->addAction(QStringLiteral("JPEG-Datei"));
    PNGDatei1 = bild->addAction(QStringLiteral("PNG-Datei"));

    QMenu* einstellung = leiste->addMenu(QStringLiteral("Einstellung"));
    Schriftart1 = einstellung->addAction(QStringLiteral("Schriftart"));
    LogoOrdneroeffnen1 = einstellung->addAction(QStringLiteral("Logo-Ordner öffnen"));
    ListenOrdneroeffnen1 = einstellung->addAction(QStringLiteral("Listen-Ordner öffnen"));

    Suchen1 = leiste->addAction(QStringLiteral("Suchen"));
    Suchen1->setEnabled(false);
    leiste->addAction(QString(16, QLatin1Char(' ')));
    Hilfe1 = leiste->addAction(QStringLiteral("[ ? ]"));

    // The list's context menu runs the same commands as the main menu.
    PopupMenu1 = new QMenu(this);
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
