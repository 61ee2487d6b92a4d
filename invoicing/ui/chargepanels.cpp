// The invoice form's labor and charges panels.
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "invoicing/ui/invoicepanels.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace invoicing {

using pellar::ui::makeBox;
using pellar::ui::makeButton;
using pellar::ui::makeLabel;

namespace {

// The charge boxes are tinted until the person types into one; it is white while edited.
const QColor kChargeBoxColor(236, 241, 248);

void setBackground(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    // A light box keeps dark words, whatever the desktop's colours.
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

} // namespace

// ---- Labor ------------------------------------------------------------------------------------

LaborPanel::LaborPanel()
    : QGroupBox(tr("Labor ")) {
    setObjectName(QStringLiteral("fraLabor"));
    setToolTip(tr("Calculate or Enter Labor Charges"));
    m_hours = makeBox(this, QStringLiteral("txtHours"));
    m_rate = makeBox(this, QStringLiteral("txtRate"));
    m_total = makeBox(this, QStringLiteral("txtTotalLabor"));
    for (QLineEdit* box : {m_hours, m_rate, m_total}) {
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(110);
    }
    m_calculate = makeButton(this, QStringLiteral("cmdCal"), tr("Calc&ulate"),
                             tr("Multiplies Rate by Hours"));
    m_enterLabor = makeButton(this, QStringLiteral("Command1"), tr("E&nter"),
                              tr("Accpts Total and Continues"));
    m_redo =
        makeButton(this, QStringLiteral("cmdLaborRedo"), tr("R&edo"), tr("Redo Labor Calculation"));
    connect(m_calculate, &QPushButton::clicked, this, &LaborPanel::calculateClicked);
    connect(m_enterLabor, &QPushButton::clicked, this, &LaborPanel::enterClicked);
    connect(m_redo, &QPushButton::clicked, this, &LaborPanel::redoClicked);
    // Return in the hours or the rate works the charge out, as Calculate does.
    pellar::ui::returnClicks(m_hours, m_calculate);
    pellar::ui::returnClicks(m_rate, m_calculate);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, QStringLiteral("lblHours"), tr("Man-hours"), m_hours), 0, 0);
    grid->addWidget(m_hours, 0, 1);
    grid->addWidget(makeLabel(this, QStringLiteral("lblRate"), tr("Rate"), m_rate), 1, 0);
    grid->addWidget(m_rate, 1, 1);
    grid->addWidget(m_calculate, 1, 2);
    grid->addWidget(makeLabel(this, QStringLiteral("lblTotalLabor"), tr("TOTAL LABOR"), m_total), 2,
                    0);
    grid->addWidget(m_total, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_enterLabor);
    buttons->addWidget(m_redo);
    grid->addLayout(buttons, 3, 1, 1, 2);
}

QString LaborPanel::hours() const {
    return m_hours->text();
}

QString LaborPanel::rate() const {
    return m_rate->text();
}

QString LaborPanel::total() const {
    return m_total->text();
}

void LaborPanel::showRate(const QString& rate) {
    m_rate->setText(rate);
}

void LaborPanel::showTotal(const QString& total) {
    m_total->setText(total);
}

void LaborPanel::watch(QObject* filter) {
    m_total->installEventFilter(filter);
}

bool LaborPanel::isTotalBox(const QObject* object) const {
    return object == m_total;
}

void LaborPanel::clear() {
    m_total->clear();
    m_hours->clear();
}

bool LaborPanel::focus(InvoiceField field) {
    return focusOn(widgetFor(field));
}

QWidget* LaborPanel::widgetFor(InvoiceField field) const {
    switch (field) {
    case InvoiceField::Hours:
        return m_hours;
    case InvoiceField::Rate:
        return m_rate;
    case InvoiceField::LaborTotal:
        return m_total;
    case InvoiceField::EnterLabor:
        return m_enterLabor;
    case InvoiceField::LaborRedo:
        return m_redo;
    default:
        return nullptr;
    }
}

QList<QWidget*> LaborPanel::tabChain() const {
    return {m_hours, m_rate, m_calculate, m_total, m_enterLabor, m_redo};
}

// ---- Charges ----------------------------------------------------------------------------------

ChargesPanel::ChargesPanel()
    : QGroupBox(tr("Additional Charges")) {
    setObjectName(QStringLiteral("fraCompletion"));
    setToolTip(tr("Use to enter Add-on Charges"));
    m_labor = makeAmountBox(this, QStringLiteral("txtLabor"));
    m_shipping = makeBox(this, QStringLiteral("txtShip"));
    m_shipping->setAlignment(Qt::AlignRight);
    m_charges = makeBox(this, QStringLiteral("txtMisc"));
    m_charges->setAlignment(Qt::AlignRight);
    m_discount = makeAmountBox(this, QStringLiteral("txtDiscount"));

    auto* grid = new QGridLayout(this);
    const QList<QPair<QLabel*, QLineEdit*>> rows{
        {makeLabel(this, QStringLiteral("lblLabor"), tr("Labor"), m_labor), m_labor},
        {makeLabel(this, QStringLiteral("lblShip"), tr("Shipping/Handling"), m_shipping),
         m_shipping},
        {makeLabel(this, QStringLiteral("lblMisc"), tr("Charges/Credits"), m_charges), m_charges},
        {makeLabel(this, QStringLiteral("lblDiscount"), tr("Discount"), m_discount), m_discount}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
        rows[row].second->setFixedWidth(amountWidth(rows[row].second));
        setBackground(rows[row].second, kChargeBoxColor);
    }
}

void ChargesPanel::showDraft(const InvoiceDraft& draft) {
    m_labor->setText(pellar::formatCurrency(draft.acceptedLabor()));
    m_discount->setText(pellar::formatCurrency(draft.totals().discount()));
}

void ChargesPanel::clearBoxes() {
    for (QLineEdit* box : {m_shipping, m_charges}) {
        box->setText(pellar::formatCurrency(pellar::Currency()));
        setBackground(box, kChargeBoxColor);
    }
}

void ChargesPanel::showCharge(ChargeBox which, const QString& text) {
    (which == ChargeBox::Shipping ? m_shipping : m_charges)->setText(text);
}

void ChargesPanel::watch(QObject* filter) {
    m_shipping->installEventFilter(filter);
    m_charges->installEventFilter(filter);
}

std::optional<ChargeBox> ChargesPanel::chargeBoxOf(const QObject* object) const {
    if (object == m_shipping)
        return ChargeBox::Shipping;
    if (object == m_charges)
        return ChargeBox::Charges;
    return std::nullopt;
}

void ChargesPanel::tint(ChargeBox which, ChargeReaction::Tint tint) {
    if (which == ChargeBox::Labor || tint == ChargeReaction::Tint::Keep)
        return;
    QLineEdit* edit = which == ChargeBox::Shipping ? m_shipping : m_charges;
    setBackground(edit,
                  tint == ChargeReaction::Tint::Editing ? QColor(Qt::white) : kChargeBoxColor);
}

bool ChargesPanel::focus(InvoiceField field) {
    return focusOn(widgetFor(field));
}

QWidget* ChargesPanel::widgetFor(InvoiceField field) const {
    if (field == InvoiceField::Shipping)
        return m_shipping;
    return field == InvoiceField::Charges ? m_charges : nullptr;
}

QList<QWidget*> ChargesPanel::tabChain() const {
    return {m_shipping, m_charges};
}

} // namespace invoicing
