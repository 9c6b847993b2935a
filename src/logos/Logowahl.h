#pragma once

#include "platform/Radrasten.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <optional>

class QComboBox;
class QFrame;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;

// The logo library in the main window: the group list, the tile grid of the group's
// logos and the back button, at their places over the window's list panel. It
// remembers where the grid was left, scrolls by keys and whole wheel notches, and
// reports a picked logo; the window decides what the pick does.
namespace senvio {

class Logoraster;
class TGrossImageForm;
class TSuchForm;

class Logowahl : public QWidget {
    Q_OBJECT
public:
    // `fortschritt` is the window's progress bar, shown while the tiles are made.
    Logowahl(const QString& logoWurzel, TGrossImageForm& grossBild, TSuchForm& suche, QProgressBar& fortschritt,
             QWidget* eltern);

    // The group folders of the logo root, once the folders are checked.
    void LeseGruppen();
    // At the first paint: the first group, or the one of the settings when it exists.
    void WaehleGruppe(std::optional<int> gespeichert);
    int Gruppe() const;
    // The folder of the chosen group (the logo root without one), as the grid was last
    // asked for.
    const QString& Ordner() const { return m_ordner; }
    void NimmGruppenordner();
    // The logo files of the grid; a tile's tag is its index here.
    const QStringList& Logodateien() const { return m_dateien; }
    // "      12 Logos im Ordner: ARD"
    QString Status() const;

    // Shows the grid where it was left, its tiles made on first need.
    void Oeffne();
    // The keys of the logo mode: arrows, pages, Home and End scroll the grid.
    void Scrolle(int taste);
    // The wheel's vertical angle: whole notches scroll the grid.
    void Rad(int winkel);
    // The search window over the grid's names; a double click there picks by a timed
    // click on the tile.
    void Suche();

signals:
    // A readable logo was picked: its file and its 60 × 40 picture.
    void Gewaehlt(const QString& pfad, const QImage& eintragslogo);
    // A text for the status line; `sofort`: shown before the next slow step.
    void Meldung(const QString& text, bool sofort = false);
    void Zurueck();
    // The timed click of the search reaches the tile at this screen point.
    void KlickGewuenscht(const QPoint& global);

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    // At the main window's standard size.
    static constexpr QSize Standardgroesse{530, 589};
    void GruppeGewechselt();
    void LadeDieBilder();
    void BaueKachelnAuf();
    void OrdneKachelnAn();
    int RasterHoehe(int anzahl, int spalten) const;
    void KachelMausDruck(int tag, Qt::MouseButton taste);
    void WaehleLogo(int tag);

    QString m_logoWurzel;
    TGrossImageForm& m_grossBild;
    TSuchForm& m_suche;
    QProgressBar& m_fortschritt;
    QComboBox* ComboBox1;
    QPushButton* ZurueckButton;
    QFrame* Panel1;
    QScrollArea* ScrollBox1;
    Logoraster* m_raster;
    QTimer* Timer1;
    QString m_ordner;
    QStringList m_dateien;
    QStringList m_positionen;
    int m_position = 0;
    Radrasten m_rad;
    QPoint m_klickpunkt;
};

} // namespace senvio
