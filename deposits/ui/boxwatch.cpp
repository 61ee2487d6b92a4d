#include "deposits/ui/boxwatch.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace deposits {

void BoxWatch::watch(QLineEdit& box) {
    box.installEventFilter(this);
}

bool BoxWatch::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Return goes on to the step's button; it types nothing.
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Return &&
            key != Qt::Key_Enter)
            emit keyDown(box);
    } else if (box && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit left(box);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace deposits
