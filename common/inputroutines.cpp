#include "common/inputroutines.h"

#include "common/desk.h"
#include "common/regional.h"

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

} // namespace pellar
