#include "ui/ProgramIcon.h"

#include <QPainter>

namespace zeft::ui {

namespace {

// A tank with its liquid level and the sender on top, in a square of the given size.
QPixmap TankPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(QColor(0, 0, 128));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 16.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 160, 255));
    painter.drawRect(QRectF(3 * unit, 8 * unit, 10 * unit, 6 * unit));
    painter.setPen(QPen(Qt::white, std::max(1.0, unit)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(3 * unit, 4 * unit, 10 * unit, 10 * unit));
    painter.drawLine(QPointF(8 * unit, 1.5 * unit), QPointF(8 * unit, 4 * unit));
    return picture;
}

} // namespace

QPixmap MakerLogo() {
    QPixmap logo(84, 108);
    logo.fill(QColor(0, 0, 128));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(2, 26, TankPicture(80));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(QRect(0, 2, 84, 24), Qt::AlignCenter, QStringLiteral("KOV"));
    return logo;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(TankPicture(size));
    }
    return icon;
}

} // namespace zeft::ui
