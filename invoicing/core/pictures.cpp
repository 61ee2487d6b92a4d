#include "invoicing/core/pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace invoicing {

namespace {

const QColor kInk(40, 60, 110);
const QColor kPaper(252, 252, 246);
const QColor kOrange(236, 140, 40);

} // namespace

QPixmap productPicture() {
    QPixmap pixmap(kProductPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A second sheet behind the first gives the picture some depth.
    p.setPen(QPen(kInk.lighter(160), 1.5));
    p.setBrush(QColor(232, 236, 245));
    p.drawRoundedRect(QRectF(22, 14, 118, 168), 4, 4);

    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(8, 4, 118, 168), 4, 4);

    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(8, 4, 118, 26));
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setBold(true);
    title.setPixelSize(14);
    p.setFont(title);
    p.drawText(QRectF(8, 4, 118, 26), Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "INVOICE"));

    p.setPen(QPen(kInk.lighter(170), 1.5));
    for (int row = 0; row < 6; ++row) {
        const qreal y = 50 + row * 14;
        p.drawLine(QPointF(18, y), QPointF(84, y));
        p.drawLine(QPointF(92, y), QPointF(116, y));
    }
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(18, 140), QPointF(116, 140));

    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(QPointF(96, 156), 14, 14);
    p.setPen(Qt::white);
    title.setPixelSize(18);
    p.setFont(title);
    p.drawText(QRectF(82, 142, 28, 28), Qt::AlignCenter, QStringLiteral("$"));
    return pixmap;
}

QPixmap envelopePicture() {
    QPixmap pixmap(200, 100);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF body(4, 4, 192, 92);
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawRect(body);

    // The flap seen through the paper, and the windows for the two addresses.
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(body.center().x(), body.top() + 40);
    flap.lineTo(body.topRight());
    p.setPen(QPen(kInk.lighter(170), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);

    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(225, 235, 250));
    p.drawRoundedRect(QRectF(14, 14, 70, 22), 3, 3);
    p.drawRoundedRect(QRectF(70, 54, 100, 30), 3, 3);

    p.setPen(QPen(kInk.lighter(150), 1.2));
    for (int line = 0; line < 3; ++line)
        p.drawLine(QPointF(78, 61 + line * 8), QPointF(150 - line * 12, 61 + line * 8));

    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawRect(QRectF(166, 12, 20, 24));
    return pixmap;
}

} // namespace invoicing
