#include "deposits/ui/formsorderpanel.h"

#include "common/core/weblinks.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "deposits/core/formpictures.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

namespace {

// A box whose text goes into the 8-bit forms-order note.
QLineEdit* storedBox(QWidget* parent, const QString& name) {
    QLineEdit* box = pellar::ui::makeBox(parent, name);
    pellar::keepStorable(*box);
    return box;
}

// The forms the programs print on.
QLayout* pictures(QWidget* parent) {
    auto* column = new QVBoxLayout;
    const auto addPicture = [&](const QPixmap& pixmap, const QString& caption) {
        auto* picture = new QLabel(parent);
        picture->setPixmap(pixmap);
        picture->setAlignment(Qt::AlignHCenter);
        auto* text = new QLabel(caption, parent);
        text->setAlignment(Qt::AlignHCenter);
        column->addWidget(picture);
        column->addWidget(text);
        column->addSpacing(6);
    };
    addPicture(depositTicketPicture(QSize(130, 150)),
               QCoreApplication::translate("FormsOrderPanel", "Deposit Ticket\nDeluxe  #  80200"));
    addPicture(checkPicture(QSize(170, 74)),
               QCoreApplication::translate("FormsOrderPanel", "Business Checks"));
    addPicture(envelopePicture(QSize(170, 80)),
               QCoreApplication::translate("FormsOrderPanel", "Double Window Envelopes"));
    column->addStretch(1);
    return column;
}

} // namespace

FormsOrderPanel::FormsOrderPanel(const pellar::WebConfig& config, QWidget* parent)
    : QWidget(parent) {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->setSpacing(18);
    outer->addLayout(pictures(this));

    auto* right = new QVBoxLayout;
    m_instructions =
        pellar::ui::makeFrame(this, QStringLiteral("fraOrderNow"), tr("Ordering your Forms"));
    auto* orderLayout = new QVBoxLayout(m_instructions);
    orderLayout->addWidget(pellar::ui::makeNote(
        m_instructions,
        tr("Slipmaker prints each deposit onto a pre-printed Deluxe deposit form "
           "(Deluxe  #  80200). Checks and window envelopes for Pellar Writer come from the "
           "same supplier.\n\n"
           "1.  Call Deluxe (Toll Free) at %1.\n"
           "2.  Give the Priority Code %2 to receive the Orvanta 20% discount on your initial "
           "order.\n"
           "3.  Order the deposit forms, and the checks and envelopes if you need them.\n"
           "4.  Write the name of the Representative and the Order Number below and click "
           "SAVE.\n\n"
           "Re-orders can be placed over the internet through \"Order Forms\" on the menu.")
            .arg(config.supplierPhone, config.priorityCode)));
    right->addWidget(m_instructions);

    m_representative = storedBox(this, QStringLiteral("txtRep"));
    m_orderNumber = storedBox(this, QStringLiteral("txtOrderNo"));
    auto* note = new QGridLayout;
    note->addWidget(new QLabel(tr("Representative"), this), 0, 0);
    note->addWidget(m_representative, 0, 1);
    note->addWidget(new QLabel(tr("Order Number"), this), 1, 0);
    note->addWidget(m_orderNumber, 1, 1);
    right->addLayout(note);

    // Index 0 "Show Instructions", 1 "Hide Instructions", 2 "SAVE".
    auto* group = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    const QStringList captions{tr("Show &Instructions"), tr("&Hide Instructions"), tr("S&AVE")};
    QList<QWidget*> order{m_representative, m_orderNumber};
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton* button =
            pellar::ui::makeButton(this, QStringLiteral("cmdInstructions_%1").arg(i), captions[i]);
        group->addButton(button, i);
        buttons->addWidget(button);
        order.insert(i == 2 ? 2 : order.size(), button);
        if (i == 2)
            pellar::ui::returnClicks(m_orderNumber, button);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int index) {
        if (index == 2)
            emit saveClicked();
        else
            showInstructions(index == 0);
    });
    right->addLayout(buttons);
    right->addStretch(1);
    outer->addLayout(right, 1);

    // The note's boxes, then SAVE, then the two instruction buttons.
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormsOrderPanel::showOrder(const FormsOrder& order) {
    m_representative->setText(order.representative);
    m_orderNumber->setText(order.orderNumber);
}

FormsOrder FormsOrderPanel::order() const {
    return {m_representative->text(), m_orderNumber->text()};
}

void FormsOrderPanel::showInstructions(bool shown) {
    m_instructions->setVisible(shown);
}

} // namespace deposits
