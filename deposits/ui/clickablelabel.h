#pragma once
// A label that answers a mouse click, for pictures and notes that lead somewhere.

#include <QLabel>
#include <QMouseEvent>

namespace deposits {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace deposits
