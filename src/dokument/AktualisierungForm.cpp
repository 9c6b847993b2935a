#include "dokument/AktualisierungForm.h"

#include "list/Zeilenformat.h"
#include "platform/Knopfzeile.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace senvio {

namespace {

enum Spalte { NummerSpalte, NameSpalte, HakenSpalte };

// A row whose logo is drawn when the view first asks for it: of thousands, only the rows on screen.
class Senderzeile : public QTreeWidgetItem {
public:
    explicit Senderzeile(std::function<QImage()> logo) : m_logo(std::move(logo)) {}
    QVariant data(int spalte, int rolle) const override {
        if (spalte != NameSpalte || rolle != Qt::DecorationRole)
            return QTreeWidgetItem::data(spalte, rolle);
        if (m_logo) {
            const QImage bild = std::exchange(m_logo, {})();
            if (!bild.isNull())
                m_bild = QIcon(QPixmap::fromImage(bild));
        }
        return m_bild.isNull() ? QVariant() : QVariant(m_bild);
    }

private:
    mutable std::function<QImage()> m_logo;
    mutable QIcon m_bild;
};

QString Nummer(int nummer) {
    return nummer > 0 ? QString::number(nummer) : QStringLiteral("–");
}

// A group of radio buttons, the first chosen; each button's id is its place.
QButtonGroup* Wahlgruppe(QWidget* eltern, QBoxLayout* spalte, const QString& titel,
                         std::initializer_list<std::pair<const char*, QString>> knoepfe) {
    auto* kasten = new QGroupBox(titel, eltern);
    auto* zeile = new QHBoxLayout(kasten);
    auto* gruppe = new QButtonGroup(eltern);
    for (const auto& [name, text] : knoepfe) {
        auto* knopf = new QRadioButton(text, kasten);
        knopf->setObjectName(QLatin1String(name));
        gruppe->addButton(knopf, int(gruppe->buttons().size()));
        zeile->addWidget(knopf);
    }
    zeile->addStretch(1);
    gruppe->button(0)->setChecked(true);
    spalte->addWidget(kasten);
    return gruppe;
}

} // namespace

TAktualisierungForm::TAktualisierungForm(Abgleich abgleich, Eintragsumgebung umgebung, const QString& hinweis,
                                         QWidget* eltern)
    : QDialog(eltern), m_abgleich(std::move(abgleich)), m_umgebung(std::move(umgebung)) {
    setWindowTitle(QStringLiteral("Liste aktualisieren"));
    resize(760, 640);
    auto* spalte = new QVBoxLayout(this);
    if (!hinweis.isEmpty()) {
        auto* zeile = new QLabel(hinweis, this);
        zeile->setObjectName(QStringLiteral("Quellenhinweis"));
        zeile->setWordWrap(true);
        zeile->setStyleSheet(QStringLiteral("color: gray"));
        spalte->addWidget(zeile);
    }
    Abgleichbaum = new QTreeWidget(this);
    Abgleichbaum->setObjectName(QStringLiteral("Abgleichbaum"));
    Abgleichbaum->setColumnCount(3);
    Abgleichbaum->setHeaderLabels({QStringLiteral("Nummer"), QStringLiteral("Sender"), QString()});
    // Widths fixed by the widest texts, not measured again on each change: thousands of rows.
    Abgleichbaum->header()->setSectionResizeMode(NameSpalte, QHeaderView::Stretch);
    Abgleichbaum->header()->setStretchLastSection(false);
    Abgleichbaum->setColumnWidth(NummerSpalte, Abgleichbaum->indentation() + 16 +
                                                   fontMetrics().horizontalAdvance(QStringLiteral("00000 → 00000")));
    Abgleichbaum->setColumnWidth(HakenSpalte, 40 + fontMetrics().horizontalAdvance(QStringLiteral("Namen übernehmen")));
    Abgleichbaum->setIconSize(QSize(LogoBreite, LogoHoehe));
    Abgleichbaum->setUniformRowHeights(true);
    spalte->addWidget(Abgleichbaum, 1);

    m_reihenfolge = Wahlgruppe(this, spalte, QStringLiteral("Reihenfolge"),
                               {{"Empfaenger", QStringLiteral("Reihenfolge des Empfängers")},
                                {"Meine", QStringLiteral("Meine Reihenfolge behalten")}});
    m_neue = Wahlgruppe(this, spalte, QStringLiteral("Neue Sender"),
                        {{"NeueAnsEnde", QStringLiteral("ans Ende")},
                         {"NeueWeglassen", QStringLiteral("weglassen")},
                         {"NeueEinzeln", QStringLiteral("einzeln wählen")}});
    m_fehlende = Wahlgruppe(
        this, spalte, QStringLiteral("Nicht mehr empfangbare Sender"),
        {{"FehlendeEntfernen", QStringLiteral("entfernen")}, {"FehlendeBehalten", QStringLiteral("behalten")}});

    const Knopfzeile knoepfe = BaueKnopfzeile(*this, QStringLiteral("Übernehmen"));
    knoepfe.ok->setObjectName(QStringLiteral("Uebernehmen"));
    knoepfe.abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);

    BaueZeilen();
    for (QButtonGroup* gruppe : {m_reihenfolge, m_neue, m_fehlende})
        connect(gruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
            if (an)
                ZeigePlan();
        });
    connect(Abgleichbaum, &QTreeWidget::itemChanged, this, &TAktualisierungForm::ZeileGeaendert);
    ZeigePlan();
}

Aktualisierungswahl TAktualisierungForm::Wahl() const {
    return {Reihenfolge(m_reihenfolge->checkedId()), NeueSender(m_neue->checkedId()),
            FehlendeSender(m_fehlende->checkedId())};
}

// The rows are made once; a choice changes only their numbers and sections.
void TAktualisierungForm::BaueZeilen() {
    for (int art = 0; art < Abgleicharten; ++art) {
        m_abschnitte[art] = new QTreeWidgetItem(Abgleichbaum);
        m_abschnitte[art]->setFirstColumnSpanned(true);
        // Every row as high as a logo: the view then measures one row, not thousands.
        m_abschnitte[art]->setSizeHint(NummerSpalte, QSize(0, LogoHoehe + 4));
    }
    for (qsizetype s = 0; s < m_abgleich.sender.size(); ++s) {
        const Abgleichzeile& sender = m_abgleich.sender[s];
        auto* zeile = sender.eintrag < 0 ? new QTreeWidgetItem : new Senderzeile([this, s] {
            return Eintragslogo(m_abgleich.zeilen[m_abgleich.sender[s].eintrag], m_umgebung);
        });
        zeile->setData(NummerSpalte, Qt::UserRole, int(s));
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        QString name = sender.eintrag >= 0 ? ZerlegeZeile(m_abgleich.zeilen[sender.eintrag]).name.trimmed()
                                           : m_abgleich.kanaele[sender.kanal].name;
        if (sender.umbenannt) {
            // A name as the source gave it shows just the new one; the user's own name keeps both beside it.
            const QString& vorher = m_abgleich.herkunft[sender.eintrag].quellname;
            const QString& nachher = m_abgleich.kanaele[sender.kanal].name;
            name = name == vorher.trimmed() ? QStringLiteral("%1 → %2").arg(vorher, nachher)
                                            : QStringLiteral("%1  (Quelle: „%2“ → „%3“)").arg(name, vorher, nachher);
            zeile->setToolTip(NameSpalte, name);
            zeile->setFlags(zeile->flags() | Qt::ItemIsUserCheckable);
            zeile->setText(HakenSpalte, QStringLiteral("Namen übernehmen"));
            zeile->setCheckState(HakenSpalte, sender.namenUebernehmen ? Qt::Checked : Qt::Unchecked);
        }
        zeile->setText(NameSpalte, name);
        m_zeilen.append(zeile);
    }
}

void TAktualisierungForm::ZeigePlan() {
    m_zeigt = true;
    const Aktualisierungswahl wahl = Wahl();
    const Aktualisierung plan = PlaneAktualisierung(m_abgleich, wahl, m_umgebung.platzhalterzaehler);
    QList<QTreeWidgetItem*> jeArt[Abgleicharten];
    for (qsizetype s = 0; s < m_zeilen.size(); ++s) {
        QTreeWidgetItem* zeile = m_zeilen[s];
        const Abgleichstand& stand = plan.stand[s];
        zeile->setText(NummerSpalte, Nummer(stand.nummerVorher) + QStringLiteral(" → ") + Nummer(stand.nummerNachher));
        if (m_abgleich.sender[s].eintrag < 0) {
            // A new channel is ticked one by one only when the user chooses them so.
            const bool einzeln = wahl.neue == NeueSender::Einzeln;
            zeile->setFlags(einzeln ? zeile->flags() | Qt::ItemIsUserCheckable
                                    : zeile->flags() & ~Qt::ItemIsUserCheckable);
            zeile->setText(HakenSpalte, einzeln ? QStringLiteral("Aufnehmen") : QString());
            if (einzeln)
                zeile->setCheckState(HakenSpalte, m_abgleich.sender[s].aufnehmen ? Qt::Checked : Qt::Unchecked);
            else
                zeile->setData(HakenSpalte, Qt::CheckStateRole, QVariant());
        }
        jeArt[int(stand.art)].append(zeile);
    }
    // Only between these two does a row change its section, with the numbers. Both are emptied
    // before either is filled: a row still under the other section would not be taken.
    const Abgleichart wechselnde[] = {Abgleichart::Unveraendert, Abgleichart::NeueNummer};
    for (const Abgleichart art : wechselnde)
        m_abschnitte[int(art)]->takeChildren();
    for (const Abgleichart art : wechselnde)
        m_abschnitte[int(art)]->addChildren(jeArt[int(art)]);
    for (const Abgleichart art : {Abgleichart::Umbenannt, Abgleichart::Neu, Abgleichart::Fehlend})
        if (m_abschnitte[int(art)]->childCount() == 0)
            m_abschnitte[int(art)]->addChildren(jeArt[int(art)]);
    for (int art = 0; art < Abgleicharten; ++art)
        m_abschnitte[art]->setText(
            NummerSpalte, QStringLiteral("%1 (%2)").arg(AbgleichartText(Abgleichart(art))).arg(plan.anzahl[art]));
    m_zeigt = false;
    // The unchanged ones, usually most of the list, wait folded until the user looks.
    if (!m_aufgeklappt) {
        m_aufgeklappt = true;
        for (int art = 0; art < Abgleicharten; ++art)
            m_abschnitte[art]->setExpanded(art != int(Abgleichart::Unveraendert));
    }
}

void TAktualisierungForm::ZeileGeaendert(QTreeWidgetItem* zeile, int spalte) {
    if (m_zeigt || spalte != HakenSpalte || !zeile->parent())
        return;
    Abgleichzeile& sender = m_abgleich.sender[zeile->data(NummerSpalte, Qt::UserRole).toInt()];
    const bool angehakt = zeile->checkState(HakenSpalte) == Qt::Checked;
    if (sender.eintrag >= 0) {
        sender.namenUebernehmen = angehakt;
    } else if (sender.aufnehmen != angehakt) {
        // A channel taken or left out moves the numbers after it.
        sender.aufnehmen = angehakt;
        ZeigePlan();
    }
}

} // namespace senvio
