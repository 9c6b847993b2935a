#pragma once

#include <QDialog>
#include <QPoint>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace senvio {

// The search among the logo file names of the current group. A double click on a
// name scrolls the grid to its tile and hands the tile's point, in the scroll box's
// client coordinates, to the click that opens the large preview.
class TSuchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSuchForm(QWidget* eltern = nullptr);

    // What a double click acts on: the grid's scroll bar, the tile positions, and
    // the routine that starts the timed click at a point.
    struct Raster {
        QScrollBar* leiste = nullptr;
        const QStringList* positionen = nullptr;
        std::function<void(QPoint)> starteKlick;
    };
    void SetzeRaster(Raster raster) { m_raster = std::move(raster); }

    // The name list filled from the logo paths, unless it holds names already.
    void FuelleNamen(const QStringList& logoDateien);
    // Another group: search field and both lists empty.
    void Leere();

    // The list font at 10 points, and its colour, for the field and both lists; the
    // label takes the font in blue.
    void SetzeListenschrift(const QFont& schrift, const QColor& farbe);

    void SuchBtnClick();
    void ListBox1DblClick();
    void ListBox2DblClick();

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QLineEdit* TntEdit1 = nullptr;
    QPushButton* SuchButton = nullptr;
    QLabel* TntLabel1 = nullptr;
    QListWidget* TntListBox1 = nullptr;
    QListWidget* TntListBox2 = nullptr;
    Raster m_raster;
    QPoint m_klickpunkt;
};

} // namespace senvio
