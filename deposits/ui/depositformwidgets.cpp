#include "deposits/ui/depositformwidgets.h"

#include "common/core/regional.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace deposits::depositwidgets {

QLabel* text(const QString& caption, QWidget* parent) {
    return new QLabel(caption, parent);
}

QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLabel* amountLabel(const QString& name, const QString& caption, QWidget* parent) {
    QLabel* label = namedLabel(name, caption, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(
        label->fontMetrics().horizontalAdvance(QStringLiteral("$999,999,999.99")) + 16);
    label->setMinimumHeight(label->fontMetrics().height() + 8);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* box(const QString& name, const QString& tip, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(tip);
    return edit;
}

QLineEdit* amountBox(const QString& name, const QString& tip, QWidget* parent) {
    QLineEdit* edit = box(name, tip, parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("999,999,999.99")) +
                          24);
    return edit;
}

QPushButton* button(const QString& name, const QString& caption, const QString& tip,
                    QWidget* parent) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(name);
    push->setToolTip(tip);
    push->setAutoDefault(false);
    // A little air around the caption: the longer captions look squeezed otherwise.
    push->setMinimumWidth(push->sizeHint().width() + 16);
    return push;
}

QFont scaled(const QFont& base, qreal factor, bool bold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void keepSizeWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QString zeroAmount() {
    return pellar::formatCurrency(pellar::Currency{});
}

bool holdsStartingZero(const QLineEdit& box) {
    return box.text() == zeroAmount() || box.text() == pellar::formatFixed(pellar::Currency{});
}

QString notAnAmountText() {
    return QCoreApplication::translate("DepositFormWidgets",
                                       "That is not an amount: type it in figures, as 125.50.");
}

} // namespace deposits::depositwidgets
