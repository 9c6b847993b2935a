// On a real X server: a print closes the viewer of the list's old PDF, not that of a list
// whose name merely ends the same way; the "Neu" dialog has no caption.
#include "ProgrammOrdnerFixture.h"
#include "platform/TestFensterverwalter.h"

using namespace senvio;
using namespace senvio::test;

namespace {

using Anfrage = TestFensterverwalter::Anfrage;
using Anfragen = std::vector<Anfrage>;

class DruckViewer : public ProgrammOrdnerTest {};

} // namespace

TEST_F(DruckViewer, DruckSchliesstDenViewerDerListe) {
    StarteMit("Eins\r\nZwei\r\n", u"Liste"_s); // shown before the stand-in manager takes over the root

    TestFensterverwalter verwalter(true);
    const xcb_window_t liste = verwalter.ErzeugeFenster("Liste.pdf - Adobe Reader");
    const xcb_window_t meine = verwalter.ErzeugeFenster("Meine Liste.pdf - Adobe Reader");
    verwalter.SetzeStapel({liste, meine});
    verwalter.HoleAnfragen();

    Befehl("DruckenDoppel1");
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{Pfad(u"Senvio-Listen/Liste.pdf"_s)});
    EXPECT_EQ(verwalter.HoleAnfragen(),
              (Anfragen{{"_NET_ACTIVE_WINDOW", liste, {1, 0, 0}}, {"_NET_CLOSE_WINDOW", liste, {0, 1, 0}}}));

    // With the list's viewer gone, the next print finds none and asks nothing.
    verwalter.SetzeStapel({meine});
    Befehl("DruckenOben1");
    EXPECT_EQ(verwalter.HoleAnfragen(), Anfragen{});
}

// The window manager shows what the name dialog asks for.
TEST_F(DruckViewer, NamensdialogMitTitel) {
    LegeStandardOrdnerAn();
    const WId dialog = Starte().Fenster().nameEingabe.winId();
    EXPECT_EQ(TestFensterverwalter(false).Titel(xcb_window_t(dialog)), "Neue Liste");
}
