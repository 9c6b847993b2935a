#pragma once

#include "platform/Benannt.h"
#include "platform/Schriftfarbe.h"

#include <QFont>
#include <QIcon>
#include <QProxyStyle>
#include <QString>

// The main window's look: its icon, its fonts, the narrow menu bar.
namespace senvio {

// The program's icon: a television with a numbered list on its screen.
QIcon ProgrammSymbol();

// Menu bar items with narrower margins than the platform style gives them.
class SchmaleMenueleiste : public QProxyStyle {
public:
    explicit SchmaleMenueleiste(QStyle* grundstil) : QProxyStyle(grundstil->name()) {}
    QSize sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& inhalt,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric mass, const QStyleOption* option, const QWidget* widget) const override;
};

} // namespace senvio
