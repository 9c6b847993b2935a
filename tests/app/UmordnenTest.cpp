// Moving entries with Ctrl+Up/Down and by drag and drop, and the right button's menu.
#include "ProgrammOrdnerFixture.h"

#include <QMimeData>

namespace senvio::test {
namespace {

class Umordnen : public ProgrammOrdnerTest {
protected:
    // The names in list order, each line numbered after its place.
    QString Reihenfolge() {
        QString namen;
        const QStringList& zeilen = Haupt().Liste().Zeilen();
        for (int i = 0; i < zeilen.size(); ++i) {
            EXPECT_TRUE(zeilen[i].startsWith(QStringLiteral("%1   = ").arg(i + 1, 5))) << zeilen[i].toStdString();
            namen += zeilen[i].mid(10, 1);
        }
        return namen;
    }
    QPoint Mitte(int zeile) { return Ansicht().visualRect(Ansicht().model()->index(zeile, 0)).center(); }
    // A drag enters the list first: the application sends moves and the drop only to the
    // widget that accepted the entry. Returns whether the move or drop was accepted.
    bool Ziehe(const QPoint& punkt, bool ablegen, const QString& format = Listenansicht::EintragsFormat) {
        QMimeData daten;
        daten.setData(format, "1");
        QWidget* flaeche = Ansicht().viewport();
        QDragEnterEvent eintritt(punkt, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(flaeche, &eintritt);
        QDragMoveEvent ueber(punkt, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QDropEvent ablage(punkt, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QDragLeaveEvent austritt;
        QApplication::sendEvent(flaeche, ablegen ? static_cast<QEvent*>(&ablage) : &ueber);
        if (!ablegen)
            QApplication::sendEvent(flaeche, &austritt);
        return ablegen ? ablage.isAccepted() : ueber.isAccepted();
    }
};

TEST_F(Umordnen, StrgPfeilRadUndZiehenVerschiebenDieAuswahlFolgtAmRandRolltEs) {
    StarteMit(ListeMit(5));
    Listenansicht& liste = Ansicht();
    liste.WaehleZeile(2);
    QTest::keyClick(&liste, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Reihenfolge(), u"ABDCE"_s);
    EXPECT_EQ(liste.AktuelleZeile(), 3);
    // Ctrl+Z takes the move back, Ctrl+Shift+Z makes it again, each saved.
    QTest::keyClick(&liste, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ABCDE"_s, 2));
    QTest::keyClick(&liste, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ABDCE"_s, 3));
    EXPECT_TRUE(Lies(Pfad(u"Senvio-Listen/Astra.lis"_s)).contains("    3   = D #png#Ohne Logo1.png\r\n    4   = C"));
    // With Shift held as well it still moves; at the ends nothing moves and the selection stays.
    QTest::keyClick(&liste, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ABCDE"_s, 2));
    liste.WaehleZeile(4);
    QTest::keyClick(&liste, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ABCDE"_s, 4));

    // Ctrl and the wheel move the entry as Ctrl+Down and Ctrl+Up do, one place a notch.
    liste.WaehleZeile(1);
    Rad(liste.viewport(), -240, Qt::ControlModifier);
    Rad(liste.viewport(), 120, Qt::ControlModifier);
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ACBDE"_s, 2));

    // Dragged onto an entry it takes that entry's place.
    liste.WaehleZeile(1);
    EXPECT_TRUE(Ziehe(Mitte(4), false));
    EXPECT_TRUE(Ziehe(Mitte(4), true));
    EXPECT_EQ(std::pair(Reihenfolge(), liste.AktuelleZeile()), std::pair(u"ABDEC"_s, 4));
    // Below the last entry, or a drag that is none of ours: refused, nothing moves.
    const QPoint darunter(20, 5 * ZeilenHoehe + 10);
    EXPECT_FALSE(Ziehe(darunter, false));
    EXPECT_FALSE(Ziehe(darunter, true));
    EXPECT_FALSE(Ziehe(Mitte(2), false, u"text/plain"_s));
    EXPECT_EQ(Reihenfolge(), u"ABDEC"_s);
    Beende();

    // Within 15 pixels of an edge every move scrolls one row.
    StarteMit(ListeMit(20));
    QScrollBar* leiste = Ansicht().verticalScrollBar();
    const int hoehe = Ansicht().viewport()->height();
    for (const int y : {hoehe - 14, hoehe - 1, hoehe - 15, 15})
        Ziehe({20, y}, false);
    EXPECT_EQ(leiste->value(), 2);
    Ziehe({20, 14}, false);
    EXPECT_EQ(leiste->value(), 1);
}

} // namespace
} // namespace senvio::test
