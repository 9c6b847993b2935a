#include "Benchlogos.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

QString BenchLogoName(int nummer) {
    return QStringLiteral("sender%1.png").arg(nummer, 4, 10, QLatin1Char('0'));
}

void LegeLogosAn(const QString& ordner, int anzahl) {
    QRandomGenerator zufall(6);
    for (int i = 0; i < anzahl; ++i) {
        const int breite = 200 + zufall.bounded(601);
        const int hoehe = std::clamp(breite / 2 + zufall.bounded(-40, 41), 100, 400);
        QImage bild(breite, hoehe, QImage::Format_ARGB32);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor::fromHsv(zufall.bounded(360), 200, 220, 160 + zufall.bounded(96)));
        maler.drawRoundedRect(bild.rect().adjusted(6, 6, -6, -6), hoehe / 5, hoehe / 5);
        maler.setPen(Qt::white);
        maler.setFont(QFont(QStringLiteral("DejaVu Sans"), hoehe / 5, QFont::Bold));
        maler.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("Sender %1").arg(i + 1));
        maler.end();
        bild.save(ordner + BenchLogoName(i + 1));
    }
}

void LegeBildschirmlogosAn(const QString& ordner, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        const int art = i % 4;
        QImage bild(240 + 20 * (i % 5), 120, QImage::Format_ARGB32);
        bild.fill(art == 2 ? QColor(20, 20, 30) : QColor(Qt::transparent));
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        if (art == 1)
            maler.fillRect(QRect(0, 20, 120, 80), QColor::fromHsv(i * 37 % 360, 220, 200));
        maler.setFont(QFont(QStringLiteral("DejaVu Sans"), 48, QFont::Bold));
        const QString name = QStringLiteral("TV%1").arg(i % 10);
        if (art == 3) {
            maler.setPen(QColor(0, 0, 0, 90));
            maler.drawText(bild.rect().translated(4, 4), Qt::AlignCenter, name);
        }
        maler.setPen(art == 3 ? QColor(235, 235, 235) : QColor(Qt::white));
        maler.drawText(bild.rect(), Qt::AlignCenter, name);
        maler.end();
        bild.save(ordner + QStringLiteral("bildschirm%1.png").arg(i + 1, 4, 10, QLatin1Char('0')));
    }
}
