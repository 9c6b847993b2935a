// Where the placeholder counter stands after a list was loaded at start or opened.
#include "list/Platzhalterzaehler.h"

#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio;

static QString Zeile(const char* logo) {
    return QStringLiteral("    1   = X #png#") + QString::fromUtf8(logo);
}

TEST(Platzhalterzaehler, NachDemStartUndDemOeffnen) {
    // The last line decides; a 4 starts the next round at 0.
    EXPECT_EQ(PlatzhalterzaehlerNachStart({Zeile("Ohne Logo1.png"), Zeile("Ohne Logo3.png")}, 0), 3);
    EXPECT_EQ(PlatzhalterzaehlerNachStart({Zeile("Ohne Logo2.png"), Zeile("ohne logo4.png")}, 1), 0);
    EXPECT_EQ(PlatzhalterzaehlerNachStart({Zeile("Ohne Logo2.png"), Zeile("zdf.png")}, 1), 0);
    // "ohne logo" without a digit leaves the counter where the line before put it.
    EXPECT_EQ(PlatzhalterzaehlerNachStart({Zeile("Ohne Logo2.png"), Zeile("Ohne Logo.png")}, 0), 2);
    // A line without separator has no logo and does not count.
    EXPECT_EQ(PlatzhalterzaehlerNachStart({Zeile("Ohne Logo3.png"), QStringLiteral("nur Text")}, 0), 3);

    // After opening only placeholders without a file count.
    QTemporaryDir tmp;
    const QString programm = tmp.path() + QStringLiteral("/");
    test::Schreib(programm + QStringLiteral("Ohne Logo2.png"), "x");
    // A real logo leaves the counter; so does a placeholder whose file exists.
    EXPECT_EQ(PlatzhalterzaehlerNachOeffnen({Zeile("Ohne Logo3.png"), Zeile("zdf.png")}, programm, 0), 3);
    EXPECT_EQ(PlatzhalterzaehlerNachOeffnen({Zeile("Ohne Logo1.png"), Zeile("Ohne Logo2.png")}, programm, 0), 1);
    EXPECT_EQ(PlatzhalterzaehlerNachOeffnen({Zeile("Ohne Logo4.png")}, programm, 1), 4);
    EXPECT_EQ(PlatzhalterzaehlerNachOeffnen({Zeile("fehlt.png"), Zeile("Ohne Logo.png")}, programm, 2), 2);
}
