#include "import/ImportForm.h"

#include "import/Import.h"
#include "platform/Knopfzeile.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
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

ImportForm::ImportForm(const ImportFund& fund, QWidget* eltern) : QDialog(eltern), m_fund(fund) {
    setWindowTitle(QStringLiteral("Senderliste importieren"));
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
    for (const ImportGruppe& gruppe : fund.gruppen) {
        QTreeWidgetItem*& abschnitt = gruppe.radio ? radio : fernsehen;
        if (!abschnitt)
            abschnitt = Abschnitt(Gruppen, gruppe.radio ? QStringLiteral("Radio") : QStringLiteral("Fernsehen"));
        auto* zeile =
            new QTreeWidgetItem(abschnitt, {gruppe.name.isEmpty() ? QStringLiteral("(ohne Namen)") : gruppe.name,
                                            QString::number(gruppe.anzahl)});
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        zeile->setCheckState(0, Qt::Checked);
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
    OhneDoppelte = new QCheckBox(this);
    OhneDoppelte->setChecked(true);
    OhneDoppelte->setToolTip(
        QStringLiteral("Mit Häkchen wird jeder Sender nur einmal übernommen, dort, wo er zuerst steht. Derselbe "
                       "Sender ist einer mit gleichem Namen (Groß- und Kleinschreibung, die Schreibweise der "
                       "Umlaute und ein „HD“ oder „SD“ am Ende zählen nicht) oder mit gleicher Kennung in der "
                       "importierten Datei"));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(QStringLiteral("Gefundene Gruppen:"), this));
    spalte->addWidget(Gruppen, 1);
    spalte->addWidget(Summe);
    spalte->addWidget(NummernBehalten);
    spalte->addWidget(OhneDoppelte);
    if (!fund.hinweise.isEmpty()) {
        auto* hinweise = new QPlainTextEdit(fund.hinweise.join(u'\n'), this);
        hinweise->setReadOnly(true);
        hinweise->setMaximumHeight(90);
        spalte->addWidget(new QLabel(QStringLiteral("Hinweise:"), this));
        spalte->addWidget(hinweise);
    }
    NeueListe = new QRadioButton(QStringLiteral("Neue Liste"), this);
    AnListeAnhaengen = new QRadioButton(QStringLiteral("An die aktuelle Liste anhängen"), this);
    NeueListe->setChecked(true);
    spalte->addWidget(NeueListe);
    spalte->addWidget(AnListeAnhaengen);

    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    OkKnopf = knoepfe.ok;
    // Tests find the controls by their names.
    Gruppen->setObjectName(QStringLiteral("Gruppen"));
    Summe->setObjectName(QStringLiteral("Summe"));
    NummernBehalten->setObjectName(QStringLiteral("NummernBehalten"));
    OhneDoppelte->setObjectName(QStringLiteral("OhneDoppelte"));
    NeueListe->setObjectName(QStringLiteral("NeueListe"));
    AnListeAnhaengen->setObjectName(QStringLiteral("AnListeAnhaengen"));
    OkKnopf->setObjectName(QStringLiteral("OkKnopf"));
    connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);

    // A section ticked or unticked changes every group in it: the total is counted once after all.
    connect(Gruppen, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* zeile, int spalte) {
        if (spalte != 0 || !zeile->parent() || m_summeFaellig)
            return;
        m_summeFaellig = true;
        QTimer::singleShot(0, this, &ImportForm::ZeigeSumme);
    });
    // Left out, a copy's number becomes a free one: the count of free numbers changes.
    connect(OhneDoppelte, &QCheckBox::toggled, this, &ImportForm::ZeigeSumme);
    ZeigeSumme();
}

QList<bool> ImportForm::GruppenWahl() const {
    QList<bool> wahl;
    for (const QTreeWidgetItem* zeile : m_gruppen)
        wahl.append(zeile->checkState(0) == Qt::Checked);
    return wahl;
}

void ImportForm::WaehleGruppe(int gruppe, bool gewaehlt) {
    m_gruppen.at(gruppe)->setCheckState(0, gewaehlt ? Qt::Checked : Qt::Unchecked);
    ZeigeSumme();
}

bool ImportForm::NummernDesEmpfaengers() const {
    return NummernBehalten->isChecked();
}

bool ImportForm::DoppelteWeglassen() const {
    return OhneDoppelte->isChecked();
}

bool ImportForm::Anhaengen() const {
    return AnListeAnhaengen->isChecked();
}

void ImportForm::SetzeAnhaengen(bool anhaengen) {
    (anhaengen ? AnListeAnhaengen : NeueListe)->setChecked(true);
}

void ImportForm::ZeigeSumme() {
    m_summeFaellig = false;
    const QList<bool> wahl = GruppenWahl();
    const qsizetype gewaehlt = GewaehlteSender(m_fund, wahl);
    Summe->setText(QStringLiteral("Gewählt: %1 von %2 Sendern").arg(gewaehlt).arg(m_fund.sender.size()));
    const qsizetype doppelt = DoppelteSender(m_fund, wahl);
    OhneDoppelte->setText(
        QStringLiteral("Doppelte Sender weglassen (%1 doppelt)")
            .arg(doppelt == 1 ? QStringLiteral("ein Sender") : QStringLiteral("%1 Sender").arg(doppelt)));
    OhneDoppelte->setVisible(doppelt > 0);
    // Only where the receiver leaves numbers free between the chosen channels.
    const qint64 frei = FreieNummern(m_fund, wahl, DoppelteWeglassen());
    NummernBehalten->setText(
        QStringLiteral("Nummern des Empfängers beibehalten (%1 als „(frei)“)")
            .arg(frei == 1 ? QStringLiteral("eine freie Nummer") : QStringLiteral("%1 freie Nummern").arg(frei)));
    NummernBehalten->setVisible(frei > 0);
    OkKnopf->setEnabled(gewaehlt > 0);
}

} // namespace senvio
