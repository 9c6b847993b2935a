#include "import/ImportForm.h"

#include "import/Fernseher.h"
#include "import/Import.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Knopfzeile.h"
#include "platform/Sanduhr.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace senvio {

namespace {

QTreeWidgetItem* Abschnitt(QTreeWidget* baum, const QString& titel) {
    auto* abschnitt = new QTreeWidgetItem(baum, {titel});
    abschnitt->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    abschnitt->setExpanded(true);
    return abschnitt;
}

} // namespace

TImportForm::TImportForm(const ImportFund& fund, QString aktuelleListe, QWidget* eltern, Zweck zweck)
    : QDialog(eltern), m_fund(fund), m_aktuelleListe(std::move(aktuelleListe)) {
    const bool aktualisieren = zweck == Zweck::Aktualisieren;
    setWindowTitle(aktualisieren ? QStringLiteral("Liste aktualisieren") : QStringLiteral("Senderliste importieren"));
    resize(460, 540);

    Gruppen = new QTreeWidget(this);
    Gruppen->setColumnCount(2);
    Gruppen->setHeaderLabels({QStringLiteral("Gruppe"), QStringLiteral("Sender")});
    Gruppen->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Gruppen->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Gruppen->header()->setStretchLastSection(false);
    Gruppen->setToolTip(QStringLiteral("Nur die Sender der angekreuzten Gruppen werden übernommen"));
    QTreeWidgetItem* fernsehen = nullptr;
    QTreeWidgetItem* radio = nullptr;
    QTreeWidgetItem* fernseher = nullptr;
    const QStringList uebersicht = GruppenUebersicht(fund);
    for (const ImportGruppe& gruppe : fund.gruppen) {
        const qsizetype index = &gruppe - fund.gruppen.data();
        // A TV's lists each count from 1: one of them is chosen, so their section ticks none.
        if (gruppe.eigeneListe && !fernseher) {
            fernseher = new QTreeWidgetItem(Gruppen, {QStringLiteral("Listen des Fernsehers (eine wählen)")});
            fernseher->setFlags(Qt::ItemIsEnabled);
        }
        QTreeWidgetItem*& abschnitt = gruppe.eigeneListe ? fernseher : gruppe.radio ? radio : fernsehen;
        if (!abschnitt)
            abschnitt = Abschnitt(Gruppen, gruppe.radio ? QStringLiteral("Radio") : QStringLiteral("Fernsehen"));
        const QString name = gruppe.eigeneListe ? uebersicht[index] : gruppe.name;
        auto* zeile = new QTreeWidgetItem(
            abschnitt, {name.isEmpty() ? QStringLiteral("(ohne Namen)") : name, QString::number(gruppe.anzahl)});
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        zeile->setCheckState(0, gruppe.vorgewaehlt ? Qt::Checked : Qt::Unchecked);
        zeile->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        m_gruppen.append(zeile);
        abschnitt->setText(1, QString::number(abschnitt->text(1).toLongLong() + gruppe.anzahl));
        abschnitt->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (fernsehen && radio && Gruppen->indexOfTopLevelItem(radio) < Gruppen->indexOfTopLevelItem(fernsehen))
        Gruppen->insertTopLevelItem(0, Gruppen->takeTopLevelItem(Gruppen->indexOfTopLevelItem(fernsehen)));
    Gruppen->expandAll();
    Summe = new QLabel(this);
    NummernBehalten = new QCheckBox(this);
    NummernBehalten->setChecked(true);
    NummernBehalten->setToolTip(
        QStringLiteral("Ohne Häkchen werden die Sender lückenlos nummeriert, mit den Nummern Ihres Empfängers "
                       "stimmen sie dann nicht mehr überein"));
    Luecken = new QLabel(this);
    Luecken->setWordWrap(true);
    OhneDoppelte = new QCheckBox(this);
    OhneDoppelte->setChecked(true);
    Weggelassen = new QLabel(this);
    Weggelassen->setWordWrap(true);
    Weggelassen->setIndent(20);
    RadioEigeneListe = new QCheckBox(this);
    RadioEigeneListe->setChecked(true);
    RadioEigeneListe->setToolTip(
        QStringLiteral("Ihr Empfänger zählt die Radiosender für sich ab 1. In einer eigenen Liste tragen sie "
                       "dieselben Nummern wie auf der Fernbedienung"));
    BouquetAbEins = new QCheckBox(QStringLiteral("Jedes Bouquet beginnt bei 1"), this);
    BouquetAbEins->setToolTip(QStringLiteral("Nur anhaken, wenn Ihr Empfänger so eingestellt ist. Sonst zählt er die "
                                             "Nummern über alle Bouquets hinweg weiter"));
    BouquetAbEins->setVisible(HatBouquets(fund));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(QStringLiteral("Gefundene Gruppen:"), this));
    spalte->addWidget(Gruppen, 1);
    spalte->addWidget(Summe);
    spalte->addWidget(NummernBehalten);
    spalte->addWidget(Luecken);
    spalte->addWidget(BouquetAbEins);
    spalte->addWidget(OhneDoppelte);
    spalte->addWidget(Weggelassen);
    spalte->addWidget(RadioEigeneListe);
    if (!fund.hinweise.isEmpty()) {
        auto* hinweise = new QPlainTextEdit(fund.hinweise.join(u'\n'), this);
        hinweise->setReadOnly(true);
        hinweise->setMaximumHeight(90);
        spalte->addWidget(new QLabel(QStringLiteral("Hinweise:"), this));
        spalte->addWidget(hinweise);
    }
    NeueListe = new QRadioButton(QStringLiteral("Neue Liste"), this);
    AnListeAnhaengen = new QRadioButton(QStringLiteral("An die aktuelle Liste anhängen"), this);
    // An update works on the current list, as appending does: its name names the radio list.
    (aktualisieren ? AnListeAnhaengen : NeueListe)->setChecked(true);
    NeueListe->setVisible(!aktualisieren);
    AnListeAnhaengen->setVisible(!aktualisieren);
    spalte->addWidget(NeueListe);
    spalte->addWidget(AnListeAnhaengen);

    const Knopfzeile knoepfe = BaueKnopfzeile(*this, aktualisieren ? QStringLiteral("Weiter") : QStringLiteral("OK"));
    OkKnopf = knoepfe.ok;
    // Tests find the controls by their names.
    Gruppen->setObjectName(QStringLiteral("Gruppen"));
    Summe->setObjectName(QStringLiteral("Summe"));
    NummernBehalten->setObjectName(QStringLiteral("NummernBehalten"));
    Luecken->setObjectName(QStringLiteral("Luecken"));
    OhneDoppelte->setObjectName(QStringLiteral("OhneDoppelte"));
    Weggelassen->setObjectName(QStringLiteral("Weggelassen"));
    RadioEigeneListe->setObjectName(QStringLiteral("RadioEigeneListe"));
    BouquetAbEins->setObjectName(QStringLiteral("BouquetAbEins"));
    NeueListe->setObjectName(QStringLiteral("NeueListe"));
    AnListeAnhaengen->setObjectName(QStringLiteral("AnListeAnhaengen"));
    OkKnopf->setObjectName(QStringLiteral("OkKnopf"));
    connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);

    // A section ticked or unticked changes every group in it: the total is counted once after all.
    connect(Gruppen, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* zeile, int spalte) {
        if (spalte != 0 || !zeile->parent())
            return;
        WaehleNurEineListe(zeile);
        if (m_summeFaellig)
            return;
        m_summeFaellig = true;
        QTimer::singleShot(0, this, &TImportForm::ZeigeSumme);
    });
    // Left out, a copy's number becomes a free one: the count of free numbers changes.
    connect(OhneDoppelte, &QCheckBox::toggled, this, &TImportForm::ZeigeSumme);
    // Radio apart is numbered apart: the free numbers change.
    connect(RadioEigeneListe, &QCheckBox::toggled, this, &TImportForm::ZeigeSumme);
    connect(AnListeAnhaengen, &QRadioButton::toggled, this, &TImportForm::ZeigeSumme);
    connect(BouquetAbEins, &QCheckBox::toggled, this, &TImportForm::ZeigeSumme);
    ZeigeSumme();
}

QList<bool> TImportForm::GruppenWahl() const {
    QList<bool> wahl;
    for (const QTreeWidgetItem* zeile : m_gruppen)
        wahl.append(zeile->checkState(0) == Qt::Checked);
    return wahl;
}

void TImportForm::WaehleNurEineListe(QTreeWidgetItem* zeile) {
    const qsizetype gruppe = m_gruppen.indexOf(zeile);
    if (gruppe < 0 || !m_fund.gruppen[gruppe].eigeneListe || zeile->checkState(0) != Qt::Checked)
        return;
    for (qsizetype i = 0; i < m_gruppen.size(); ++i)
        if (i != gruppe && m_fund.gruppen[i].eigeneListe && m_gruppen[i]->checkState(0) != Qt::Unchecked)
            m_gruppen[i]->setCheckState(0, Qt::Unchecked);
}

void TImportForm::WaehleGruppe(int gruppe, bool gewaehlt) {
    m_gruppen.at(gruppe)->setCheckState(0, gewaehlt ? Qt::Checked : Qt::Unchecked);
    ZeigeSumme();
}

ImportOptionen TImportForm::Optionen() const {
    // A box not shown changes nothing: it stays ticked.
    return {NummernBehalten->isChecked(), OhneDoppelte->isChecked(),
            RadioEigeneListe->isChecked() && RadiolisteBenannt(), BouquetAbEins->isChecked()};
}

void TImportForm::SetzeBouquetAbEins(bool abEins) {
    BouquetAbEins->setChecked(abEins);
}

bool TImportForm::RadiolisteBenannt() const {
    // A list without name names no radio list beside it.
    return !Anhaengen() || !m_aktuelleListe.isEmpty();
}

bool TImportForm::Anhaengen() const {
    return AnListeAnhaengen->isChecked();
}

void TImportForm::SetzeAnhaengen(bool anhaengen) {
    (anhaengen ? AnListeAnhaengen : NeueListe)->setChecked(true);
}

void TImportForm::ZeigeSumme() {
    m_summeFaellig = false;
    const QList<bool> wahl = GruppenWahl();
    const qsizetype gewaehlt = GewaehlteSender(m_fund, wahl);
    // What the list will hold: "(frei)" entries and copies left out change it.
    const Eintragszahl eintraege = ZaehleEintraege(m_fund, wahl, Optionen());
    QString summe = QStringLiteral("Gewählt: %1 von %2 Sendern, das ergibt %3")
                        .arg(gewaehlt)
                        .arg(m_fund.sender.size())
                        .arg(eintraege.liste == 1 ? QStringLiteral("einen Eintrag")
                                                  : QStringLiteral("%1 Einträge").arg(eintraege.liste));
    if (eintraege.radio > 0)
        summe += QStringLiteral(" und %1 in der Radioliste").arg(eintraege.radio);
    Summe->setText(summe);
    const QStringList doppelt = DoppelteSender(m_fund, wahl);
    OhneDoppelte->setText(
        QStringLiteral("Doppelte Sender weglassen (%1 doppelt)")
            .arg(doppelt.size() == 1 ? QStringLiteral("ein Sender") : QStringLiteral("%1 Sender").arg(doppelt.size())));
    OhneDoppelte->setVisible(!doppelt.isEmpty());
    // The names of those left out, so that nobody misses a station that is not a copy.
    constexpr qsizetype Gezeigt = 20;
    QString namen = doppelt.mid(0, Gezeigt).join(QStringLiteral(", "));
    if (doppelt.size() > Gezeigt)
        namen += QStringLiteral(" … und %1 weitere").arg(doppelt.size() - Gezeigt);
    Weggelassen->setText(QStringLiteral("Weggelassen werden: ") + namen);
    Weggelassen->setVisible(!doppelt.isEmpty() && OhneDoppelte->isChecked());
    RadioEigeneListe->setText(
        QStringLiteral("Radio als eigene Liste „%1“")
            .arg(RadiolistenName(Anhaengen() ? m_aktuelleListe : QStringLiteral("Name der Liste"))));
    RadioEigeneListe->setVisible(RadioEigeneListeMoeglich(m_fund, wahl) && RadiolisteBenannt());
    // Only where the receiver leaves numbers free between the chosen channels.
    const qint64 frei = FreieNummern(m_fund, wahl, Optionen());
    NummernBehalten->setText(
        QStringLiteral("Nummern des Empfängers beibehalten (%1 als „(frei)“)")
            .arg(frei == 1 ? QStringLiteral("eine freie Nummer") : QStringLiteral("%1 freie Nummern").arg(frei)));
    NummernBehalten->setVisible(frei > 0);
    Luecken->setText(LueckenHinweis(m_fund, wahl, Optionen()));
    Luecken->setVisible(!Luecken->text().isEmpty());
    OkKnopf->setEnabled(gewaehlt > 0);
}

namespace {

// The folder of the last import: the next one starts there.
const QString ImportOrdnerSchluessel = QStringLiteral("ImportOrdner");

const QString ImportFilter = QStringLiteral(
    "Senderlisten (*.m3u *.m3u8 *.tv *.radio lamedb lamedb5 *.conf *.txt *.chl *.zip *.tll *.xml *.db "
    "*.bin *.csv *.tar)|"
    "*.m3u;*.m3u8;*.tv;*.radio;lamedb;lamedb5;*.conf;*.txt;*.chl;*.zip;*.tll;*.xml;*.db;*.bin;*.csv;*.tar|"
    "Senderlisten vom Fernseher (*.zip *.tll *.xml *.db *.bin *.csv *.tar)|"
    "*.zip;*.tll;*.xml;*.db;*.bin;*.csv;*.tar|"
    "Wiedergabelisten (*.m3u *.m3u8)|*.m3u;*.m3u8|"
    "Bouquets eines Satellitenempfängers (*.tv *.radio lamedb lamedb5)|*.tv;*.radio;lamedb;lamedb5|"
    "Kanaldateien eines Videorekorders (*.conf)|*.conf|"
    "Referenzlisten eines Senderlisteneditors (*.txt *.chl)|*.txt;*.chl|"
    "Alle Dateien (*.*)|*.*");

// The progress bar while the files are read, hidden again also when reading ends in an error.
class Fortschrittsanzeige {
public:
    explicit Fortschrittsanzeige(QProgressBar& balken) : m_balken(balken) {
        m_balken.setRange(0, 1000);
        m_balken.setValue(0);
        m_balken.show();
    }
    ~Fortschrittsanzeige() {
        m_balken.setValue(0);
        m_balken.hide();
    }
    void Melde(qint64 gelesen, qint64 gesamt) { m_balken.setValue(gesamt > 0 ? int(gelesen * 1000 / gesamt) : 0); }

private:
    QProgressBar& m_balken;
};

} // namespace

std::optional<ImportFund> WaehleImportquellen(QWidget* eltern, const QString& einstellungen, QProgressBar& fortschritt,
                                              const QString& startordner) {
    // A bouquet file chosen stands for its set; "lamedb" for the whole set, TV and radio.
    const QString ordner = QFileInfo(startordner).isDir()
                               ? startordner
                               : LeseIniWert(einstellungen, EinstellungsAbschnitt, ImportOrdnerSchluessel);
    const QStringList pfade = Dialoge::DateienOeffnen(
        eltern, ordner.isEmpty() || !QFileInfo(ordner).isDir() ? QDir::homePath() : ordner, ImportFilter,
        QStringLiteral("Senderliste wählen (vom Fernseher, Wiedergabeliste, channels.conf, Referenzliste oder "
                       "bei Enigma2 lamedb / bouquets.tv)"),
        // A Philips TV's folder "ChannelMap_…" or "ChannelList" is taken as it is opened.
        [](const QString& ordner) { return !PhilipsOrdner(ordner).isEmpty(); });
    if (pfade.isEmpty())
        return std::nullopt;
    SchreibeIniWert(einstellungen, EinstellungsAbschnitt, ImportOrdnerSchluessel,
                    QFileInfo(pfade.first()).absolutePath());
    const Sanduhr sanduhr;
    Fortschrittsanzeige anzeige(fortschritt);
    return LeseImportquellen(pfade, [&](qint64 gelesen, qint64 gesamt) { anzeige.Melde(gelesen, gesamt); });
}

} // namespace senvio
