// The search for a viewer's window and its close request, against a real X server.
#include "platform/Fenster.h"
#include "platform/TestFensterverwalter.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace senvio::test {
namespace {

using Anfrage = TestFensterverwalter::Anfrage;
using Anfragen = std::vector<Anfrage>;

// The stacking list, bottom to top: a lower viewer of the same file, an unrelated
// window, the viewer we want, a viewer of "Meine Liste" on top and a window that is
// already gone. WM_NAME is only a fallback, so "Meine Liste…" must not match by it.
TEST(Fenster, FindetUndSchliesstUeberEwmhVerwalter) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TestFensterverwalter verwalter(true);
    const xcb_window_t unten = verwalter.ErzeugeFenster({}, "LISTE.PDF - Adobe Reader");
    const xcb_window_t fremd = verwalter.ErzeugeFenster("Senvio-Liste 2.0:   Liste");
    const xcb_window_t gesucht = verwalter.ErzeugeFenster("Liste.pdf - Adobe Reader - Seite 1 von 2", "Anders");
    const xcb_window_t meine = verwalter.ErzeugeFenster("Meine Liste.pdf - Adobe Reader", "Liste.pdf - Adobe Reader");
    const xcb_window_t weg = xcb_generate_id(verwalter.Verbindung()); // never made
    verwalter.SetzeStapel({unten, fremd, gesucht, meine, weg});
    verwalter.HoleAnfragen();

    EXPECT_EQ(findfenster(QStringLiteral("liste.PDF - Adobe Reader")), gesucht);
    EXPECT_EQ(verwalter.HoleAnfragen(), (Anfragen{{"_NET_ACTIVE_WINDOW", gesucht, {1, 0, 0}}}));

    SchliesseFenster(gesucht);
    EXPECT_EQ(verwalter.HoleAnfragen(), (Anfragen{{"_NET_CLOSE_WINDOW", gesucht, {0, 1, 0}}}));

    EXPECT_EQ(findfenster(QStringLiteral("Adobe Reader")), 0u);
    EXPECT_EQ(findfenster(QString()), 0u);
    EXPECT_EQ(verwalter.HoleAnfragen(), Anfragen{});

    // Minimised, it is mapped again besides being activated.
    verwalter.SetzeAtome(gesucht, "_NET_WM_STATE", {"_NET_WM_STATE_HIDDEN"});
    EXPECT_EQ(findfenster(QStringLiteral("LISTE.pdf")), gesucht);
    EXPECT_EQ(verwalter.HoleAnfragen(),
              (Anfragen{{"_NET_ACTIVE_WINDOW", gesucht, {1, 0, 0}}, {"MapRequest", gesucht, {}}}));
}

std::vector<xcb_window_t> KinderDerWurzel(TestFensterverwalter& x) {
    xcb_query_tree_reply_t* baum =
        xcb_query_tree_reply(x.Verbindung(), xcb_query_tree(x.Verbindung(), x.Wurzel()), nullptr);
    std::vector<xcb_window_t> kinder(xcb_query_tree_children(baum),
                                     xcb_query_tree_children(baum) + xcb_query_tree_children_length(baum));
    std::free(baum);
    return kinder;
}

// No window manager: the root's shown children, topmost first, so the lower viewer is not taken. The title of the one
// we want is WM_NAME in Latin-1 ("Ü" is one byte); a hidden window above it is passed over. It is raised above the
// unrelated window on top; WM_DELETE_WINDOW goes to it, not to windows that do not list that protocol.
TEST(Fenster, FindetUndSchliesstOhneVerwalter) {
    TestFensterverwalter x(false);
    x.ErzeugeFenster("ÜBERSICHT.PDF - Adobe Reader", {}, true);
    const xcb_window_t gesucht = x.ErzeugeFenster({}, std::string("\xDC") + "bersicht.pdf - Adobe Reader", true);
    const xcb_window_t versteckt = x.ErzeugeFenster("Übersicht.pdf - Adobe Reader");
    const xcb_window_t oben = x.ErzeugeFenster("Senvio-Liste 2.0:   Übersicht", {}, true);
    x.SetzeAtome(gesucht, "WM_PROTOCOLS", {"WM_TAKE_FOCUS", "WM_DELETE_WINDOW"});
    ASSERT_EQ(KinderDerWurzel(x).back(), oben);

    EXPECT_EQ(findfenster(QStringLiteral("übersicht.PDF - adobe")), gesucht);
    EXPECT_EQ(KinderDerWurzel(x).back(), gesucht);

    SchliesseFenster(oben);
    SchliesseFenster(versteckt);
    SchliesseFenster(gesucht);
    EXPECT_EQ(x.HoleAnfragen(), (Anfragen{{"WM_PROTOCOLS", gesucht, {x.Atom("WM_DELETE_WINDOW"), 0, 0}}}));
}

// Run by an entry of its own on Qt's offscreen platform, with an X server at hand.
TEST(FensterOhneXcb, FindetUndSchliesstNichts) {
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        GTEST_SKIP() << "gilt für die anderen Plattformen";
    TestFensterverwalter verwalter(true);
    const xcb_window_t viewer = verwalter.ErzeugeFenster("Liste.pdf - Adobe Reader");
    verwalter.SetzeStapel({viewer});
    EXPECT_EQ(findfenster(QStringLiteral("Liste.pdf")), 0u);
    SchliesseFenster(viewer);
    EXPECT_EQ(verwalter.HoleAnfragen(), Anfragen{});
}

} // namespace
} // namespace senvio::test
