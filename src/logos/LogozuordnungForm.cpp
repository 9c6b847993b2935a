#include "logos/LogozuordnungForm.h"

#include "logos/Kachelbild.h"
#include "logos/Kachellogos.h"
#include "platform/Knopfzeile.h"
#include "view/Eintrag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace senvio {

namespace {

enum Spalte { SpalteEintrag, SpalteBisher, SpalteVorschlag, SpalteLogo, SpalteGrund, Spalten };

QTableWidgetItem* Zelle(const QString& text = {}) {
    auto* zelle = new QTableWidgetItem(text);
    zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return zelle;
}

} // namespace

TLogozuordnungForm::TLogozuordnungForm(const Logobestand& bestand, QList<Pruefeintrag> eintraege, QWidget* eltern)
    : QDialog(eltern), m_bestand(bestand), m_eintraege(std::move(eintraege)) {
    setWindowTitle(QStringLiteral("Logos automatisch zuordnen"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(720, 600);

    Tabelle = new QTableWidget(this);
    Tabelle->setColumnCount(Spalten);
    Tabelle->setHorizontalHeaderLabels({QStringLiteral("Eintrag"), QStringLiteral("Bisher"),
                                        QStringLiteral("Vorschlag"), QStringLiteral("Logo und Gruppe"),
                                        QStringLiteral("Grund")});
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows low enough that a maximised window on a 1280 × 1024 screen shows at least 15; the
    // pictures are fitted into the icon size.
    Tabelle->verticalHeader()->setDefaultSectionSize(46);
    Tabelle->setIconSize(QSize(64, 40));
    Tabelle->horizontalHeader()->setSectionResizeMode(SpalteEintrag, QHeaderView::Stretch);
    Tabelle->setColumnWidth(SpalteBisher, 70);
    Tabelle->setColumnWidth(SpalteVorschlag, 72);
    Tabelle->setColumnWidth(SpalteLogo, 180);
    Tabelle->setColumnWidth(SpalteGrund, 120);
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setWordWrap(true);
    Tabelle->setToolTip(QStringLiteral("Ein Klick auf einen Vorschlag hakt ihn an oder ab"));

    Summe = new QLabel(this);
    Hinweise = new QLabel(Beschaedigtenhinweis(m_bestand), this);
    Hinweise->setWordWrap(true);
    Hinweise->setVisible(!Hinweise->text().isEmpty());
    Grundwahl = new QComboBox(this);
    Grundwahl->addItem(QStringLiteral("Alle Gründe"), -1);
    for (const Logogrund grund :
         {Logogrund::Importdatei, Logogrund::GleicherName, Logogrund::GleicherAnfang, Logogrund::AehnlicherName})
        Grundwahl->addItem(Grundtext(grund), int(grund));
    Abwaehlen = new QPushButton(QStringLiteral("Alle sichtbaren abwählen"), this);
    Ersetzen = new QCheckBox(this);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setTextVisible(false);
    Fortschritt->setMaximumHeight(12);
    const Knopfzeile knoepfe = BaueKnopfzeile(*this, QStringLiteral("Übernehmen"));
    Uebernehmen = knoepfe.ok;
    Abbrechen = knoepfe.abbrechen;
    // Tests find the controls by their names.
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Summe->setObjectName(QStringLiteral("Summe"));
    Hinweise->setObjectName(QStringLiteral("Hinweise"));
    Ersetzen->setObjectName(QStringLiteral("Ersetzen"));
    Grundwahl->setObjectName(QStringLiteral("Grundwahl"));
    Abwaehlen->setObjectName(QStringLiteral("Abwaehlen"));
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));

    auto* spalte = new QVBoxLayout(this);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(new QLabel(QStringLiteral("Angehakte Logos werden den Einträgen zugeordnet:"), this), 1);
    auto* grundText = new QLabel(QStringLiteral("&Grund:"), this);
    grundText->setBuddy(Grundwahl);
    kopf->addWidget(grundText);
    kopf->addWidget(Grundwahl);
    kopf->addWidget(Abwaehlen);
    spalte->addLayout(kopf);
    spalte->addWidget(Tabelle, 1);
    spalte->addWidget(Fortschritt);
    spalte->addWidget(Ersetzen);
    spalte->addWidget(Summe);
    spalte->addWidget(Hinweise);
    spalte->addLayout(knoepfe.zeile);

    BaueTabelleAuf();
    connect(Tabelle, &QTableWidget::cellClicked, this, [this](int zeile, int) {
        Waehle(zeile, Tabelle->item(zeile, SpalteEintrag)->checkState() != Qt::Checked);
    });
    connect(Ersetzen, &QCheckBox::toggled, this, [this] { ZeigeAuswahl(); });
    connect(Grundwahl, &QComboBox::currentIndexChanged, this, [this] { ZeigeAuswahl(); });
    connect(Abwaehlen, &QPushButton::clicked, this, &TLogozuordnungForm::WaehleSichtbareAb);
    connect(Uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    ZeigeAuswahl();
    LadeBilder();
}

void TLogozuordnungForm::BaueTabelleAuf() {
    int mitLogo = 0;
    for (int e = 0; e < m_eintraege.size(); ++e) {
        mitLogo += m_eintraege[e].bisherDatei.isEmpty() ? 0 : 1;
        for (const Logovorschlag& vorschlag : m_eintraege[e].entscheidung.vorschlaege)
            m_zeilen.append({e, vorschlag.datei, vorschlag.grund});
    }
    Tabelle->setRowCount(int(m_zeilen.size()));
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile) {
        const Pruefeintrag& eintrag = m_eintraege[m_zeilen[zeile].eintrag];
        QTableWidgetItem* titel = Zelle(eintrag.titel);
        titel->setCheckState(eintrag.entscheidung.automatisch ? Qt::Checked : Qt::Unchecked);
        Tabelle->setItem(zeile, SpalteEintrag, titel);
        QTableWidgetItem* bisher = Zelle();
        if (!eintrag.bisher.isNull())
            bisher->setData(Qt::DecorationRole, QPixmap::fromImage(eintrag.bisher));
        Tabelle->setItem(zeile, SpalteBisher, bisher);
        Tabelle->setItem(zeile, SpalteVorschlag, Zelle());
        const Logodatei& datei = m_bestand.Dateien().at(m_zeilen[zeile].datei);
        Tabelle->setItem(zeile, SpalteLogo,
                         Zelle(QFileInfo(datei.pfad).fileName() + QLatin1Char('\n') +
                               (datei.gruppe.isEmpty() ? QStringLiteral("(Logo-Ordner)") : datei.gruppe)));
        Tabelle->setItem(zeile, SpalteGrund, Zelle(Grundtext(m_zeilen[zeile].grund)));
    }
    Ersetzen->setText(QStringLiteral("Auch Einträge mit Logo neu zuordnen (%1)").arg(mitLogo));
    Ersetzen->setVisible(mitLogo > 0);
}

bool TLogozuordnungForm::Zugelassen(int zeile) const {
    return Ersetzen->isChecked() || m_eintraege[m_zeilen[zeile].eintrag].bisherDatei.isEmpty();
}

// The filter only shows and hides: what is ticked under another reason stays ticked.
void TLogozuordnungForm::ZeigeAuswahl() {
    const int grund = Grundwahl->currentData().toInt();
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile)
        Tabelle->setRowHidden(zeile, !Zugelassen(zeile) || (grund >= 0 && int(m_zeilen[zeile].grund) != grund));
    ZeigeSumme();
}

void TLogozuordnungForm::WaehleSichtbareAb() {
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile)
        if (!Tabelle->isRowHidden(zeile))
            Tabelle->item(zeile, SpalteEintrag)->setCheckState(Qt::Unchecked);
    ZeigeSumme();
}

void TLogozuordnungForm::Waehle(int zeile, bool an) {
    if (zeile < 0 || zeile >= m_zeilen.size())
        return;
    // One logo per entry: ticking a proposal unticks the entry's others.
    for (int z = 0; z < m_zeilen.size(); ++z)
        if (m_zeilen[z].eintrag == m_zeilen[zeile].eintrag && (z == zeile || an))
            Tabelle->item(z, SpalteEintrag)->setCheckState(z == zeile && an ? Qt::Checked : Qt::Unchecked);
    ZeigeSumme();
}

QList<Logozuweisung> TLogozuordnungForm::Gewaehlt() const {
    QList<Logozuweisung> gewaehlt;
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile)
        if (Zugelassen(zeile) && Tabelle->item(zeile, SpalteEintrag)->checkState() == Qt::Checked)
            gewaehlt.append(
                {m_eintraege[m_zeilen[zeile].eintrag].zeile, m_bestand.Dateien().at(m_zeilen[zeile].datei).pfad});
    return gewaehlt;
}

void TLogozuordnungForm::ZeigeSumme() {
    QSet<int> automatisch, vorschlaege;
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile) {
        if (!Zugelassen(zeile))
            continue;
        const int e = m_zeilen[zeile].eintrag;
        (m_eintraege[e].entscheidung.automatisch ? automatisch : vorschlaege).insert(e);
    }
    Summe->setText(QStringLiteral("Eindeutig gefunden: %1   Mit Vorschlägen: %2   Angehakt: %3")
                       .arg(automatisch.size())
                       .arg(vorschlaege.size())
                       .arg(Gewaehlt().size()));
}

void TLogozuordnungForm::LadeBilder() {
    // The proposals of the entries shown first, then those of entries with a logo, then
    // those entries' pictures of today.
    QList<int> dateien;
    QSet<int> gesehen;
    for (const bool mitLogo : {false, true})
        for (const Zeile& z : std::as_const(m_zeilen))
            if (m_eintraege[z.eintrag].bisherDatei.isEmpty() != mitLogo && !gesehen.contains(z.datei)) {
                gesehen.insert(z.datei);
                dateien.append(z.datei);
            }
    QStringList pfade;
    for (const int datei : std::as_const(dateien))
        pfade << m_bestand.Dateien().at(datei).pfad;
    QList<int> bisher;
    for (int e = 0; e < m_eintraege.size(); ++e)
        if (!m_eintraege[e].bisherDatei.isEmpty() && m_eintraege[e].bisher.isNull())
            bisher.append(e);
    QStringList bisherPfade;
    for (const int e : std::as_const(bisher))
        bisherPfade << m_eintraege[e].bisherDatei;

    m_offen = int(pfade.size() + bisherPfade.size());
    Fortschritt->setRange(0, std::max(1, m_offen));
    Fortschritt->setValue(0);
    Fortschritt->setVisible(m_offen > 0);
    if (m_offen == 0)
        return;
    // Each picture is shown as it comes, in the order above, on the dialog's thread.
    const qsizetype kacheln = pfade.size();
    m_lader = std::make_unique<GeordneteArbeit<QImage>>(
        Kerne(), SIZE_MAX, [this, dateien, bisher, kacheln, i = qsizetype(0)](QImage bild) mutable {
            if (i < kacheln)
                QMetaObject::invokeMethod(
                    this, [this, datei = dateien.at(i), bild] { SetzeKachel(datei, bild); }, Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(
                    this, [this, e = bisher.at(i - kacheln), bild] { SetzeBisher(e, bild); }, Qt::QueuedConnection);
            ++i;
        });
    for (const QString& pfad : std::as_const(pfade))
        m_lader->Gib([pfad] { return MacheKachellogo(pfad); });
    // Out of memory for one of these ends the loading: the pictures not made stay empty.
    for (const QString& pfad : std::as_const(bisherPfade))
        m_lader->Gib([pfad] { return EintragslogoDerDatei(pfad); });
}

void TLogozuordnungForm::SetzeKachel(int datei, const QImage& kachellogo) {
    ZeigeBild(SpalteVorschlag, QPixmap::fromImage(ErstelleKachelbild(kachellogo)),
              [datei](const Zeile& z) { return z.datei == datei; });
}

void TLogozuordnungForm::SetzeBisher(int eintrag, const QImage& bild) {
    m_eintraege[eintrag].bisher = bild;
    ZeigeBild(SpalteBisher, QPixmap::fromImage(bild), [eintrag](const Zeile& z) { return z.eintrag == eintrag; });
}

void TLogozuordnungForm::ZeigeBild(int spalte, const QPixmap& bild, const std::function<bool(const Zeile&)>& fuer) {
    for (int zeile = 0; zeile < m_zeilen.size(); ++zeile)
        if (fuer(m_zeilen[zeile]))
            Tabelle->item(zeile, spalte)->setData(Qt::DecorationRole, QIcon(bild));
    --m_offen;
    Fortschritt->setValue(Fortschritt->value() + 1);
    Fortschritt->setVisible(m_offen > 0);
}

} // namespace senvio
