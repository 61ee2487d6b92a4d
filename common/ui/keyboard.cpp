#include "common/ui/keyboard.h"

#include "common/core/desk.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace pellar::ui {

namespace {

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

class ReturnChooses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* option = qobject_cast<QAbstractButton*>(watched);
        if (!option || !isEnter(event) || !option->isEnabled())
            return false;
        if (!option->isChecked())
            option->click();
        return true;
    }
};

class ReturnGoesOn : public QObject {
public:
    ReturnGoesOn(QObject* parent, QAbstractButton* last)
        : QObject(parent)
        , m_last(last) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isEnter(event))
            return false;
        auto* field = static_cast<QWidget*>(watched);
        if (m_last) {
            if (m_last->isEnabled() && m_last->isVisible())
                m_last->click();
        } else {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(field, &tab);
        }
        return true;
    }

private:
    QPointer<QAbstractButton> m_last;
};

} // namespace

void returnGoesOn(QWidget* field, QAbstractButton* last) {
    field->installEventFilter(new ReturnGoesOn(field, last));
}

EnterClicksButtons::EnterClicksButtons(QObject* parent)
    : QObject(parent) {
    if (qApp)
        qApp->installEventFilter(this);
}

namespace {

// Whether Return in the box already does something: a step, a move, a choice of its own.
bool returnHasUse(const QLineEdit* box) {
    struct Peek : QLineEdit {
        using QObject::receivers;
    };
    const auto receivers = &Peek::receivers;
    return (box->*receivers)(SIGNAL(returnPressed())) > 0;
}

// A box of its own, outside a dialog: not the edit line of a combo or a spin box.
bool returnGoesOnFrom(const QLineEdit* box) {
    if (!box->hasFocus() || box->isReadOnly() || returnHasUse(box))
        return false;
    for (const QWidget* w = box->parentWidget(); w; w = w->parentWidget())
        if (w->inherits("QComboBox") || w->inherits("QAbstractSpinBox") || w->inherits("QDialog"))
            return false;
    return true;
}

} // namespace

bool EnterClicksButtons::eventFilter(QObject* watched, QEvent* event) {
    if (!isEnter(event))
        return false;
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        if (!returnGoesOnFrom(box))
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
        return false;
    // Key events go to the focus widget, so the button seeing one has the focus.
    if (!button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

void returnClicks(QLineEdit* box, QAbstractButton* button) {
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
}

void returnChooses(QAbstractButton* option) {
    option->installEventFilter(new ReturnChooses(option));
}

namespace {

void clickOnKeys(QAbstractButton* button, const QKeySequence& keys) {
    if (!button)
        return;
    auto* shortcut = new QShortcut(keys, button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
}

} // namespace

void printKeys(QAbstractButton* print, QAbstractButton* preview) {
    clickOnKeys(print, QKeySequence(Qt::CTRL | Qt::Key_P));
    clickOnKeys(preview, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
}

StatusNote::StatusNote(QWidget* parent, const QString& name)
    : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    // Room for one line even when empty, so the form never jumps when a note appears.
    setMinimumHeight(fontMetrics().height() + 4);
    if (qApp)
        qApp->installEventFilter(this);
}

void StatusNote::say(const QString& text) {
    setText(text);
}

bool StatusNote::eventFilter(QObject* watched, QEvent* event) {
    // Seen before the keystroke is handled, so a keystroke that is refused again shows its
    // own note afterwards.
    // A key a box leaves unused (Return after its step) goes on to the box's parents as the
    // same event: the words its step just said stay.
    // A keystroke reaches the window system's window first, then the same event the focused
    // widget: only widgets count, or the press would be taken as seen before a box had it.
    if (event->type() == QEvent::KeyRelease)
        m_pressSeen = nullptr;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget && event != m_pressSeen) {
        m_pressSeen = event;
        if (!text().isEmpty() && widget->window() == window())
            clearNote();
    }
    return false;
}

void refuse(Desk& desk, StatusNote* note, const QString& why) {
    desk.beep();
    if (note)
        note->say(why);
}

} // namespace pellar::ui
