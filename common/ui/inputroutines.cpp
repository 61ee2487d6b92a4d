#include "common/ui/inputroutines.h"

#include "common/core/ansi.h"
#include "common/core/desk.h"
#include "common/core/regional.h"

#include <QComboBox>
#include <QToolTip>

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>

namespace pellar {

bool CheckMoneyBox(QLineEdit& box, Desk& desk) {
    if (const std::optional<Currency> value = currencyValue(box.text())) {
        box.setText(formatFixed(*value));
        return true;
    }
    desk.beep();
    box.setText(formatCurrency(Currency{}));
    box.setFocus();
    return false;
}

void WholeNumberBox(QLineEdit& box, Desk& desk) {
    // Text that is not a number gets the same answer as an empty box, rather than an
    // error that would stop the deposit half-way.
    const std::optional<double> value = floatValue(box.text());
    if (!value || !std::isfinite(*value)) {
        desk.beep();
        box.setText(QStringLiteral("0"));
        return;
    }
    // + 0.0 so that "-0" comes back as "0".
    const double whole = std::floor(*value) + 0.0;
    box.setText(QString::number(whole, 'f', 0));
}

int DigitKeyFilter(int keyCode) {
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == 8)
        return keyCode;
    return 0;
}

namespace {

class DigitKeys : public QObject {
public:
    DigitKeys(QObject* parent, bool allowDecimalPoint)
        : QObject(parent)
        , m_allowDecimalPoint(allowDecimalPoint) {}

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
        if (m_allowDecimalPoint &&
            (typed == u'.' || typed == RegionalSettings::current().decimalPoint))
            return false;
        return DigitKeyFilter(typed.unicode()) == 0;
    }

private:
    bool m_allowDecimalPoint = false;
};

} // namespace

void installDigitKeyFilter(QLineEdit& box, bool allowDecimalPoint) {
    box.installEventFilter(new DigitKeys(&box, allowDecimalPoint));
}

namespace {

// Only the person's edits are looked at (textEdited), so what the program shows from a
// file stays exactly as read.
void leaveOutUnstorable(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box](const QString& text) {
        QString dropped;
        const QString kept = storableText(text, &dropped);
        if (dropped.isEmpty())
            return;
        const int pos = box.cursorPosition();
        const int cursor = pos - int(text.left(pos).size() - storableText(text.left(pos)).size());
        box.setText(kept);
        box.setCursorPosition(cursor);
        QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), leftOutNote(dropped), &box);
    });
}

} // namespace

QString leftOutNote(const QString& dropped) {
    QString shown;
    for (const QChar c : dropped)
        shown += c.isPrint() || c.isSurrogate() ? QString(c) : QStringLiteral("\u25A1");
    return QStringLiteral("Left out: %1 (the data files cannot hold these characters)").arg(shown);
}

void keepStorable(QLineEdit& box) {
    leaveOutUnstorable(box);
}

void keepStorable(QComboBox& box) {
    if (box.lineEdit())
        leaveOutUnstorable(*box.lineEdit());
}

} // namespace pellar
