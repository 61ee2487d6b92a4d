#pragma once
// The deposit form's building blocks: captions, amount boxes and labels, buttons, so every
// screen of the form looks alike; and the zero its amount boxes start with.

#include <QString>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace deposits::depositwidgets {

QLabel* text(const QString& caption, QWidget* parent);
QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent);
// An amount the form works out: right-aligned in a sunken box, wide enough for large sums.
QLabel* amountLabel(const QString& name, const QString& caption, QWidget* parent);
QLineEdit* box(const QString& name, const QString& tip, QWidget* parent);
QLineEdit* amountBox(const QString& name, const QString& tip, QWidget* parent);
QPushButton* button(const QString& name, const QString& caption, const QString& tip,
                    QWidget* parent);
QFont scaled(const QFont& base, qreal factor, bool bold);
QFrame* rule(QWidget* parent); // a sunken horizontal line
void keepSizeWhenHidden(QWidget* widget);

// Zero in the currency format ("$0.00"): what an amount box starts with.
QString zeroAmount();
// The starting zero, also as leaving the box rewrites it ("0.00"): the first key typed
// replaces it rather than adding to it.
bool holdsStartingZero(const QLineEdit& box);
// What the status note says when an amount box held no amount.
QString notAnAmountText();

} // namespace deposits::depositwidgets
