#include "ui/main/StatusIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace kolekt {

namespace {

// Mid tones that stand out from a light and from a dark background alike.
const QColor kReported(0x2E, 0x8B, 0x3A);
const QColor kRemarkOnly(0xD9, 0x8A, 0x00);
const QColor kMissing(0xD3, 0x2F, 0x2F);
const QColor kLate(0x1E, 0x6F, 0xD9);

QPixmap drawMark(ReportState state, bool late, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    const QRectF disc(1.5, 1.5, 13, 13);
    switch (state) {
    case ReportState::Reported: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kReported);
        painter.drawEllipse(disc);
        QPainterPath tick;
        tick.moveTo(4.5, 8.2);
        tick.lineTo(7, 10.8);
        tick.lineTo(11.5, 5.2);
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
        break;
    }
    case ReportState::RemarkOnly: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRemarkOnly);
        painter.drawRoundedRect(QRectF(2, 2.5, 12, 11), 2, 2);
        painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        for (const double y : {5.5, 8.0, 10.5})
            painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        break;
    }
    case ReportState::Missing:
        painter.setPen(QPen(kMissing, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        break;
    }
    if (late) {
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(kLate);
        painter.drawEllipse(QRectF(9, 9, 6.5, 6.5));
        painter.drawLine(QPointF(12.25, 12.25), QPointF(12.25, 10.3));
        painter.drawLine(QPointF(12.25, 12.25), QPointF(13.8, 12.25));
    }
    return pixmap;
}

} // namespace

QIcon statusIcon(ReportState state, bool late) {
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(drawMark(state, late, size));
    return icon;
}

} // namespace kolekt
