#include "deposits/depositkeys.h"

#include "common/inputroutines.h"
#include "common/regional.h"

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

class AmountKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        const QChar typed = text.at(0);
        if (typed == u'.' || typed == pellar::RegionalSettings::current().decimalPoint)
            return false;
        return pellar::DigitKeyFilter(typed.unicode()) == 0;
    }
};

} // namespace

void onKeyDown(QLineEdit& box, std::function<void()> handler) {
    box.installEventFilter(new KeyDownWatch(box, std::move(handler)));
}

void onLeave(QLineEdit& box, std::function<void()> handler) {
    box.installEventFilter(new LeaveWatch(box, std::move(handler)));
}

void installAmountKeyFilter(QLineEdit& box) {
    box.installEventFilter(new AmountKeys(&box));
}

} // namespace deposits
