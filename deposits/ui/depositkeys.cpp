#include "deposits/ui/depositkeys.h"

#include "common/ui/inputroutines.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace deposits {

namespace {

bool movesFocus(const QKeyEvent& key) {
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

class KeyDownWatch : public QObject {
public:
    KeyDownWatch(QLineEdit& box, std::function<void()> handler)
        : QObject(&box)
        , m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !movesFocus(*static_cast<QKeyEvent*>(event)))
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

class LeaveWatch : public QObject {
public:
    LeaveWatch(QLineEdit& box, std::function<void()> handler)
        : QObject(&box)
        , m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onKeyDown(QLineEdit& box, std::function<void()> handler) {
    box.installEventFilter(new KeyDownWatch(box, std::move(handler)));
}

void onLeave(QLineEdit& box, std::function<void()> handler) {
    box.installEventFilter(new LeaveWatch(box, std::move(handler)));
}

void installAmountKeyFilter(QLineEdit& box) {
    pellar::installDigitKeyFilter(box, true);
}

} // namespace deposits
