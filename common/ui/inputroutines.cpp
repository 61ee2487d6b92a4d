#include "common/ui/inputroutines.h"

#include "common/core/ansi.h"
#include "common/core/desk.h"
#include "common/core/regional.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QToolTip>

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>
#include <memory>

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

// What an edit keeps of the text: the characters the files can hold, and no blank doubled
// (or leading the text) where characters were left out between blanks.
struct KeptEdit {
    QString text;
    QString dropped;
    int cursor = 0;
};

KeptEdit keepEdited(const QString& text, int cursor) {
    KeptEdit kept;
    kept.cursor = -1;
    bool afterDropped = false;
    for (qsizetype i = 0; i < text.size();) {
        if (i >= cursor && kept.cursor < 0)
            kept.cursor = int(kept.text.size());
        const qsizetype width =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView one = QStringView(text).mid(i, width);
        i += width;
        if (storableText(one).isEmpty()) {
            kept.dropped += one;
            afterDropped = true;
            continue;
        }
        const bool doubledBlank =
            one == u" " && afterDropped && (kept.text.isEmpty() || kept.text.back() == u' ');
        afterDropped = false;
        if (!doubledBlank)
            kept.text += one;
    }
    if (kept.cursor < 0)
        kept.cursor = int(kept.text.size());
    return kept;
}

// Only the person's edits are looked at (textEdited), so what the program shows from a
// file stays exactly as read. A blank typed right after characters were left out, where a
// blank already stands, is not doubled either.
void leaveOutUnstorable(QLineEdit& box) {
    struct LastDrop {
        int at = -1; // the cursor after the characters were left out
        qsizetype length = 0;
    };
    auto last = std::make_shared<LastDrop>();
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, last](const QString& text) {
        const int pos = box.cursorPosition();
        if (last->at >= 0 && text.size() == last->length + 1 && pos == last->at + 1 &&
            text.at(last->at) == u' ' && (last->at == 0 || text.at(last->at - 1) == u' ')) {
            last->at = -1;
            box.setText(QString(text).remove(pos - 1, 1));
            box.setCursorPosition(pos - 1);
            return;
        }
        last->at = -1;
        const KeptEdit kept = keepEdited(text, pos);
        if (kept.dropped.isEmpty())
            return;
        box.setText(kept.text);
        box.setCursorPosition(kept.cursor);
        *last = {kept.cursor, kept.text.size()};
        QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), leftOutNote(kept.dropped),
                           &box);
    });
}

} // namespace

QString leftOutNote(const QString& dropped) {
    QString shown;
    for (const QChar c : dropped)
        shown += c.isPrint() || c.isSurrogate() ? QString(c) : QStringLiteral("\u25A1");
    return QCoreApplication::translate("InputRoutines",
                                       "Left out: %1 (the data files cannot hold these characters)")
        .arg(shown);
}

void keepStorable(QLineEdit& box) {
    leaveOutUnstorable(box);
}

void keepStorable(QComboBox& box) {
    if (box.lineEdit())
        leaveOutUnstorable(*box.lineEdit());
}

} // namespace pellar
