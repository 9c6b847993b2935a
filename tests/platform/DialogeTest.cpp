// The filter texts of the file dialogs as Qt takes them.
#include "platform/Dialoge.h"
#include "TestDateien.h"

namespace senvio {
namespace {

TEST(Dialoge, FilterPaareWerdenZuQtFilternUndSternPunktSternZuAllenDateien) {
    EXPECT_EQ(QtFilter(QStringLiteral("Listendateien (*.lis)|*.lis|Alle Dateien (*.*)|*.*")),
              (QStringList{QStringLiteral("Listendateien (*.lis)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(QtFilter(QStringLiteral("Textdateien (*.txt)|*.txt")),
              QStringList{QStringLiteral("Textdateien (*.txt)")});
    EXPECT_EQ(QtFilter(QStringLiteral("ohne Muster")), QStringList());
}

} // namespace
} // namespace senvio
