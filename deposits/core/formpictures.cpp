#include "deposits/core/formpictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace deposits {

namespace {

const QColor kPaper(253, 251, 240);
const QColor kInk(40, 60, 110);
const QColor kRule(150, 165, 200);
const QColor kTint(225, 234, 248);

// A pixmap for the screen's scale, so the picture is not blurred on high-density screens.
QPixmap blankPicture(QSize size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

void sheet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 3, 3);
}

void rules(QPainter& p, qreal left, qreal right, qreal top, qreal step, int count) {
    p.setPen(QPen(kRule, 0.8));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

QFont smallFont(qreal pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(qMax(6, int(pixels)));
    font.setBold(bold);
    return font;
}

} // namespace

QPixmap depositTicketPicture(QSize size) {
    QPixmap picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QRectF page(1, 1, w - 2, h - 2);
    sheet(p, page);

    // The ticket across the top, the summary report below the tear line.
    const QRectF ticket(page.left() + 6, page.top() + 6, page.width() - 12, h * 0.38);
    p.setPen(Qt::NoPen);
    p.setBrush(kTint);
    p.drawRect(ticket);
    p.setPen(kInk);
    p.setFont(smallFont(h * 0.07, true));
    p.drawText(ticket.adjusted(6, 2, -6, 0), Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("FormPictures", "DEPOSIT TICKET"));
    p.setFont(smallFont(h * 0.06, true));
    p.drawText(ticket.adjusted(6, 0, -6, -3), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("$"));
    rules(p, ticket.left() + ticket.width() * 0.55, ticket.right() - 6,
          ticket.top() + ticket.height() * 0.35, ticket.height() * 0.16, 4);

    p.setPen(QPen(kRule, 1, Qt::DashLine));
    const qreal tear = ticket.bottom() + 6;
    p.drawLine(QPointF(page.left() + 2, tear), QPointF(page.right() - 2, tear));

    p.setPen(kInk);
    p.setFont(smallFont(h * 0.06, true));
    p.drawText(QRectF(page.left(), tear + 3, page.width(), h * 0.1), Qt::AlignHCenter,
               QCoreApplication::translate("FormPictures", "Deposit Summary"));
    rules(p, page.left() + 12, page.right() - 12, tear + h * 0.17, h * 0.075,
          int((page.bottom() - tear - h * 0.2) / (h * 0.075)));
    return picture;
}

QPixmap checkPicture(QSize size) {
    QPixmap picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QRectF check(1, 1, w - 2, h - 2);
    sheet(p, check);
    p.setPen(Qt::NoPen);
    p.setBrush(kTint);
    p.drawRect(check.adjusted(4, 4, -4, -h * 0.62));
    p.setPen(kInk);
    p.setFont(smallFont(h * 0.13, true));
    p.drawText(check.adjusted(8, 5, -8, 0), Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("FormPictures", "Your Business"));
    p.drawText(check.adjusted(8, 5, -8, 0), Qt::AlignRight | Qt::AlignTop, QStringLiteral("1001"));
    rules(p, check.left() + 8, check.right() - w * 0.3, check.top() + h * 0.55, h * 0.18, 2);
    p.setPen(QPen(kInk, 1));
    p.drawRect(QRectF(check.right() - w * 0.26, check.top() + h * 0.44, w * 0.22, h * 0.15));
    p.setFont(smallFont(h * 0.1));
    p.drawText(QRectF(check.left() + 8, check.bottom() - h * 0.18, w, h * 0.16),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(":000000000: 1001"));
    return picture;
}

QPixmap envelopePicture(QSize size) {
    QPixmap picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QRectF envelope(1, 1, w - 2, h - 2);
    sheet(p, envelope);
    // Two windows: the return address and the payee's address show through.
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(w * 0.07, h * 0.14, w * 0.38, h * 0.22), 2, 2);
    p.drawRoundedRect(QRectF(w * 0.12, h * 0.52, w * 0.45, h * 0.26), 2, 2);
    p.setBrush(kTint);
    p.drawRect(QRectF(w * 0.8, h * 0.1, w * 0.12, h * 0.2));
    return picture;
}

} // namespace deposits
