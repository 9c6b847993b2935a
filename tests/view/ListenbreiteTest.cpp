// The width senvio-druck draws the cards by, against the window's list view at standard
// size under a dark desktop theme: frame, scroll bar, font and colours.
#include "view/Listenbreite.h"
#include "view/Listenansicht.h"
#include "view/Listenschrift.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace senvio {
namespace {

TEST(Listenbreite, WieDieListenansicht) {
    // Fusion: a frame of 1, a scroll bar of 14 at 96 dots per inch (17.5, cut to 17, at
    // 120); 12 rows of 41 fit, the 13th brings the bar.
    EXPECT_EQ(Listenbreite(13, FusionListenstil(120)), 459);
    const QPalette hell = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(50, 50, 50), QColor(30, 30, 30))); // white text on black
    for (const auto& [zeilen, breite] : {std::pair{3, 476}, {12, 476}, {13, 462}, {40, 462}}) {
        SenderListe liste;
        for (int i = 0; i < zeilen; ++i)
            liste.HaengeAn(QStringLiteral("Sender"));
        Listenmodell modell(liste);
        Eintragsumgebung umgebung;
        Listenansicht ansicht(modell, umgebung);
        ansicht.SetzeStandardgroesse();
        ansicht.setAttribute(Qt::WA_DontShowOnScreen);
        ansicht.show();
        QApplication::processEvents();
        EXPECT_EQ(Listenbreite(zeilen, FusionListenstil(96)), breite);
        EXPECT_EQ(ansicht.viewport()->width(), breite) << zeilen; // the offscreen screen has 96
        EXPECT_EQ(ansicht.font(), StandardListenschrift(Listentext).schrift);
        EXPECT_EQ(ansicht.Schriftfarbe(), QColor(Qt::black));
        EXPECT_EQ(ansicht.palette().color(QPalette::Base), QColor(Qt::white));
    }
    QApplication::setPalette(hell);
}

} // namespace
} // namespace senvio
