// Qt's own dialog texts come in German once the program has loaded them.
#include "platform/QtTexte.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>

#include <gtest/gtest.h>

namespace senvio::test {
namespace {

TEST(QtTexte, DateidialogSprichtDeutsch) {
    ASSERT_TRUE(LadeQtTexteAufDeutsch(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Kopieren"));
    // The labels of a non-native file dialog, as the user sees them.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList beschriftungen;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        beschriftungen << label->text();
    EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Suchen in:"))) << beschriftungen.join(u'|').toStdString();
    EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Datei&name:"))) << beschriftungen.join(u'|').toStdString();
}

} // namespace
} // namespace senvio::test
