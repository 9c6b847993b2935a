#pragma once

#include "view/Listenschrift.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The list panel's header while a picked logo waits to be attached: the file's name, its
// 60 × 40 picture, the attach and cancel buttons; beside them the hidden fields that
// measure names in the list font. Its controls keep the names they have always had.
namespace senvio {

class Anhangkopf : public QWidget {
    Q_OBJECT
public:
    explicit Anhangkopf(QWidget* eltern);

    // The picked logo in the header, which shows.
    void Zeige(const QString& pfad, const QImage& eintragslogo);
    // The picked logo's controls go: attached, cancelled or another list.
    void Verberge();
    // Of the header only the attach button and the preview go (a new list).
    void VerbergeAnhang();
    // The picked file; empty before the first pick.
    const QString& Pfad() const { return m_pfad; }
    // The preview moves left while the list shows its scroll bar.
    void RueckeVorschau(bool mitLeiste);
    // The list font for the name field (at start-up only) and, at 10 points, the file name.
    void SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld);

signals:
    // The attach button, or Enter in the name field.
    void Einfuegen();

private:
    QPushButton* AbbruchBtn;
    QLabel* TntLabel1;
    QPushButton* EinfuegenBtn;
    QLabel* Image324;
    QLineEdit* TntEdit1;
    QString m_pfad;
};

} // namespace senvio
