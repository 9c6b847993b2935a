// What an import makes of a find, and how reading the chosen files fails.
#include "import/Import.h"
#include "platform/Fehler.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

ImportSender Sender(QString name, int nummer, QList<int> gruppen, bool platzhalter = false, QString referenz = {}) {
    return {std::move(name), platzhalter, nummer, std::move(referenz), {}, {}, std::move(gruppen)};
}

QString Meldung(const QString& pfad) {
    try {
        LeseImportquellen({pfad});
    } catch (const Fehler& f) {
        return f.meldung();
    }
    return {};
}

} // namespace

TEST(Import, NamenFuellenDieNummernDesEmpfaengersUndFolgenDerGruppenwahl) {
    ImportFund fund;
    fund.gruppen = {{u"A"_s, false, 6}, {u"B"_s, false, 2}, {u"R"_s, true, 2}};
    fund.sender = {Sender(u"Eins"_s, 1, {0}),      Sender(QString(), 2, {0}, true), Sender(QString(), 5, {0}),
                   Sender(u"Vier"_s, 3, {1}),      Sender(u"Fünf"_s, 0, {2}),       Sender(u"Sechs"_s, 2000, {0, 1}),
                   Sender(u"Sieben"_s, 3000, {0}), Sender(u"Acht"_s, 3002, {2, 7})};
    for (const int i : {0, 1, 2, 6, 7})
        fund.sender[i].logoSchluessel = {QString::number(i), u"k"_s};
    // 2 → 5 fills 3 and 4; 5 → 3 goes on counting; after a channel without number no
    // gap; 2000 → 3000 fills 999 numbers; 3000 → 3002 one.
    QStringList alle = {u"Eins"_s,        u"(frei)"_s, u"(frei)"_s, u"(frei)"_s,
                        u"(ohne Name)"_s, u"Vier"_s,   u"Fünf"_s,   u"Sechs"_s};
    alle += QStringList(999, u"(frei)"_s);
    alle += {u"Sieben"_s, u"(frei)"_s, u"Acht"_s};
    EXPECT_EQ(ImportNamen(fund, {true, true, true}), alle);
    EXPECT_EQ(GewaehlteSender(fund, {true, true, true}), 8);
    EXPECT_EQ(FreieNummern(fund, {true, true, true}), 2 + 999 + 1);
    EXPECT_EQ(ImportNamen(fund, {true, true, true}, false),
              (QStringList{u"Eins"_s, u"(frei)"_s, u"(ohne Name)"_s, u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"Sieben"_s,
                           u"Acht"_s}));
    // Only B and R: 3 → 2000 is more than 1000 apart, 2000 → 3002 too.
    EXPECT_EQ(ImportNamen(fund, {false, true, true}), (QStringList{u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"Acht"_s}));
    EXPECT_EQ(GewaehlteSender(fund, {false, true, false}), 2);
    // The logo keys stand index for index beside the names; "(frei)" entries have none.
    const auto k = [](const char* n) { return QStringList{QString::fromUtf8(n), u"k"_s}; };
    QList<QStringList> schluessel = {k("0"), {}, {}, {}, k("2"), {}, {}, {}};
    schluessel += QList<QStringList>(999, QStringList()) + QList<QStringList>{k("6"), {}, k("7")};
    EXPECT_EQ(ImportLogoSchluessel(fund, {true, true, true}), schluessel);
}

// Later copies of a station (same name key or reference; never placeholders or channels
// without name) left out on request, their numbers "(frei)" before a next channel.
TEST(Import, DoppelteSenderWerdenAufWunschWeggelassen) {
    ImportFund fund; // groups A and B
    const QString r = u"r"_s, f = u"(frei)"_s, o = u"(ohne Name)"_s;
    fund.sender = {Sender(u"München TV HD"_s, 1, {0}), Sender(u"ZDF"_s, 2, {1}, false, r),
                   Sender(u"MUENCHEN-TV"_s, 3, {0}),   Sender({}, 4, {0}, true, u"p"_s),
                   Sender({}, 5, {0}, true, u"p"_s),   Sender({}, 6, {0}, false, r),
                   Sender(u"ZDFneo"_s, 7, {0}),        Sender(u"Zweites"_s, 9, {0}, false, r),
                   Sender(u"zdf sd"_s, 0, {0}),        Sender(u"Arte"_s, 11, {0}),
                   Sender(u"ZDF"_s, 13, {0})};
    // Copies: "MUENCHEN-TV", "Zweites" (ZDF's reference), "zdf sd", the second "ZDF"; not "ZDFneo".
    EXPECT_EQ(DoppelteSender(fund, {true, true}), 4);
    EXPECT_EQ(DoppelteSender(fund, {true, false}), 2); // without ZDF, "Zweites" and "zdf sd" come first
    // 3, 8 and 9 free, not 12 and 13 after the last channel, nothing for "zdf sd" (no number).
    EXPECT_EQ(ImportNamen(fund, {true, true}, true, true),
              (QStringList{u"München TV HD"_s, u"ZDF"_s, f, f, f, o, u"ZDFneo"_s, f, f, u"Arte"_s}));
    EXPECT_EQ(ImportNamen(fund, {true, true}, false, true),
              (QStringList{u"München TV HD"_s, u"ZDF"_s, f, f, o, u"ZDFneo"_s, u"Arte"_s}));
    EXPECT_EQ(FreieNummern(fund, {true, true}, true), 3);
}

TEST(Import, DateienDieNichtGelesenWerden) {
    QTemporaryDir ordner;
    // An unknown format is checked with the import command.
    const QString leer = ordner.filePath(u"leer.m3u"_s), gross = ordner.filePath(u"gross.m3u"_s),
                  fehlt = ordner.filePath(u"fehlt.m3u"_s);
    test::Schreib(leer, "#EXTM3U\r\n");
    QFile sparsam(gross); // takes no disk space
    ASSERT_TRUE(sparsam.open(QIODevice::WriteOnly) && sparsam.resize(GroessteImportdatei + 1));
    EXPECT_EQ(Meldung(leer), u"In der Datei "_s + leer + u" wurden keine Sender gefunden."_s);
    EXPECT_EQ(Meldung(gross), u"Die Datei "_s + gross + u" ist größer als 256 MiB und wird nicht eingelesen."_s);
    EXPECT_EQ(Meldung(fehlt), u"Datei "_s + fehlt + u" kann nicht geöffnet werden"_s);

    // Siblings of a bouquet set: the exact name first, else in another case; none outside.
    test::Schreib(ordner.filePath(u"Bouquets.TV"_s), "gross");
    test::Schreib(ordner.filePath(u"bouquets.radio"_s), "klein");
    test::Schreib(ordner.filePath(u"BOUQUETS.RADIO"_s), "GROSS");
    const BouquetDateizugriff lies = BouquetDateienIn(ordner.path());
    EXPECT_EQ(lies(u"bouquets.tv"_s), QByteArray("gross"));
    EXPECT_EQ(lies(u"bouquets.radio"_s), QByteArray("klein"));
    // The files of one set chosen together are the set once: TV and radio.
    test::Schreib(ordner.filePath(u"bouquets.tv"_s), "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"u.tv\"\n");
    test::Schreib(ordner.filePath(u"u.tv"_s), "#NAME U\n#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n#DESCRIPTION Eins\n");
    EXPECT_EQ(
        ImportNamen(LeseImportquellen({ordner.filePath(u"u.tv"_s), ordner.path(), ordner.filePath(u"bouquets.tv"_s)}),
                    {true}),
        QStringList{u"Eins"_s});
    EXPECT_EQ(lies(u"../"_s + QFileInfo(ordner.path()).fileName() + u"/bouquets.radio"_s), std::nullopt);
}
