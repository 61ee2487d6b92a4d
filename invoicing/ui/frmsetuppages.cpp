// The pages of the setup form: which control sits where, with its caption and tool tip.
#include "invoicing/ui/frmsetup.h"

#include "common/ui/inputroutines.h"
#include "common/ui/widgets.h"

#include "invoicing/core/pictures.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

namespace invoicing {

namespace {

using pellar::ui::named;

// A list the person may also type into; typing neither completes nor adds to the list.
QComboBox* editableList(const QString& name) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumWidth(90);
    pellar::keepStorable(*box);
    return box;
}

QLabel* wrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// A sub-tab page: its frame at the top, the rest of the page empty.
QWidget* page(QWidget* content) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(content);
    layout->addStretch(1);
    return widget;
}

} // namespace

QWidget* frmSetup::buildBusinessTab() {
    const auto box = [](const QString& name) {
        auto* edit = named(new QLineEdit, name);
        edit->setMinimumWidth(300);
        pellar::keepStorable(*edit);
        return edit;
    };
    txtName = box(QStringLiteral("txtName"));
    txtAddress = box(QStringLiteral("txtAddress"));
    txtPOBox = box(QStringLiteral("txtPOBox"));
    txtCity = box(QStringLiteral("txtCity"));
    txtSt = box(QStringLiteral("txtSt"));
    txtZip = box(QStringLiteral("txtZip"));
    txtTel = box(QStringLiteral("txtTel"));
    txtFax = box(QStringLiteral("txtFax"));
    txtFEIN = box(QStringLiteral("txtFEIN"));

    auto* widget = new QWidget;
    auto* form = new QFormLayout(widget);
    form->setContentsMargins(18, 18, 18, 18);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Company Name"), txtName);
    form->addRow(QStringLiteral("Street Address"), txtAddress);
    form->addRow(QStringLiteral("PO Box/Suite"), txtPOBox);
    form->addRow(QStringLiteral("City"), txtCity);
    form->addRow(QStringLiteral("State"), txtSt);
    form->addRow(QStringLiteral("Zip Code"), txtZip);
    form->addRow(QStringLiteral("Telephone"), txtTel);
    form->addRow(QStringLiteral("FAX No"), txtFax);
    form->addRow(QStringLiteral("FEIN or VAT"), txtFEIN);
    return widget;
}

QWidget* frmSetup::buildHelpTab() {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(18);
    layout->addWidget(
        named(wrappedLabel(QStringLiteral("Options Tab - This Information is used when creating "
                                          "Invoices\nProgram Aids are used throughout.")),
              QStringLiteral("lblHelp_0")));
    layout->addWidget(named(
        wrappedLabel(QStringLiteral("Business Tab - Information is used to headup Invoices.")),
        QStringLiteral("lblHelp_1")));
    layout->addWidget(
        named(wrappedLabel(QStringLiteral(
                  "Enter the Information needed at each Tab.\nThe Options Tab has multiple "
                  "sub-tabs.\nInformation that is commom to other Orvanta Programs may appear "
                  "automatically.")),
              QStringLiteral("lblHelp_2")));
    layout->addStretch(1);
    return widget;
}

QWidget* frmSetup::buildOptionsTab() {
    tabOptions = named(new QTabWidget, QStringLiteral("tabOptions"));
    tabOptions->addTab(buildLaborTab(), QStringLiteral("Labor Charges"));
    tabOptions->addTab(buildTaxTab(), QStringLiteral("Sales Tax"));
    tabOptions->addTab(buildAddOnsTab(), QStringLiteral("Invoice Options"));
    tabOptions->addTab(buildDiscountTab(), QStringLiteral("Discounts"));
    tabOptions->addTab(buildAidsTab(), QStringLiteral("Program Aids"));
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(tabOptions);
    return widget;
}

QWidget* frmSetup::buildLaborTab() {
    fraLabor = pellar::ui::makeFrame(nullptr, QStringLiteral("fraLabor"),
                                     QStringLiteral("Create by using"));
    optFlat = named(new QRadioButton(QStringLiteral("Flat Rate (Enter Manually)")),
                    QStringLiteral("optFlat"));
    optCal = named(new QRadioButton(QStringLiteral("Calculate (Manpower  X  Hours)")),
                   QStringLiteral("optCal"));
    txtRate = named(new QLineEdit, QStringLiteral("txtRate"));
    txtRate->setMaximumWidth(100);
    pellar::keepStorable(*txtRate);
    auto* rateLabel =
        named(new QLabel(QStringLiteral("Hourly Rate (0.00)")), QStringLiteral("lblHourlyRate"));
    rateLabel->setBuddy(txtRate);

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(rateLabel);
    rateRow->addWidget(txtRate);
    rateRow->addStretch(1);
    auto* layout = new QVBoxLayout(fraLabor);
    layout->addWidget(optFlat);
    layout->addWidget(optCal);
    layout->addSpacing(8);
    layout->addLayout(rateRow);
    return page(fraLabor);
}

QWidget* frmSetup::buildTaxTab() {
    fraTax = pellar::ui::makeFrame(nullptr, QStringLiteral("fraTax"),
                                   QStringLiteral("Sales Tax Calculations"));
    optAll =
        named(new QRadioButton(QStringLiteral("Tax Material and Labor")), QStringLiteral("optAll"));
    optMaterial =
        named(new QRadioButton(QStringLiteral("Tax ONLY Material")), QStringLiteral("optMaterial"));
    optNoTax = named(new QRadioButton(QStringLiteral("NO Sales Tax")), QStringLiteral("optNoTax"));
    cboRate = editableList(QStringLiteral("cboRate"));
    lblRate = named(new QLabel(QStringLiteral("Tax Rate (%)")), QStringLiteral("lblRate"));
    lblRate->setBuddy(cboRate);

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(lblRate);
    rateRow->addWidget(cboRate);
    rateRow->addStretch(1);
    auto* layout = new QVBoxLayout(fraTax);
    layout->addWidget(optAll);
    layout->addWidget(optMaterial);
    layout->addWidget(optNoTax);
    layout->addSpacing(8);
    layout->addLayout(rateRow);
    return page(fraTax);
}

QWidget* frmSetup::buildAddOnsTab() {
    fraInvoiceOptions = pellar::ui::makeFrame(nullptr, QStringLiteral("fraInvoiceOptions"),
                                              QStringLiteral("Apply to each Invoice"));
    fraInvoiceOptions->setToolTip(QStringLiteral("Items you typically include on an Invoice"));
    ckDiscount = named(new OptionCheckBox(QStringLiteral("Discount Information")),
                       QStringLiteral("ckDiscount"));
    ckMisc = named(new OptionCheckBox(QStringLiteral("Misc Charges or Credits")),
                   QStringLiteral("ckMisc"));
    ckLabor = named(new OptionCheckBox(QStringLiteral("Labor Charges")), QStringLiteral("ckLabor"));
    ckShipping = named(new OptionCheckBox(QStringLiteral("Shipping and Handling")),
                       QStringLiteral("ckShipping"));

    auto* layout = new QVBoxLayout(fraInvoiceOptions);
    layout->addWidget(named(
        wrappedLabel(QStringLiteral("Items may be Selected or Deselected as an Invoice is being "
                                    "Created")),
        QStringLiteral("lblAddOnNote")));
    layout->addSpacing(6);
    layout->addWidget(ckDiscount);
    layout->addWidget(ckMisc);
    layout->addWidget(ckLabor);
    layout->addWidget(ckShipping);
    return page(fraInvoiceOptions);
}

QWidget* frmSetup::buildDiscountTab() {
    fraDiscount = pellar::ui::makeFrame(nullptr, QStringLiteral("fraDiscount"),
                                        QStringLiteral("Discount Calculations"));
    cboDiscount = editableList(QStringLiteral("cboDiscount"));
    lblDiscount = named(new QLabel(QStringLiteral("% if Paid in")), QStringLiteral("lblDiscount"));
    cboDays = editableList(QStringLiteral("cboDays"));
    lblDays = named(new QLabel(QStringLiteral("Days")), QStringLiteral("lblDays"));

    // Read left to right as one sentence: "2.0 % if Paid in 10 Days".
    auto* layout = new QHBoxLayout(fraDiscount);
    layout->addWidget(cboDiscount);
    layout->addWidget(lblDiscount);
    layout->addWidget(cboDays);
    layout->addWidget(lblDays);
    layout->addStretch(1);
    return page(fraDiscount);
}

QWidget* frmSetup::buildAidsTab() {
    fraAlarms = pellar::ui::makeFrame(nullptr, QStringLiteral("fraAlarms"),
                                      QStringLiteral("Program Assistance"));
    ckAlarms =
        named(new QCheckBox(QStringLiteral("Sound Alarm on Errors")), QStringLiteral("ckAlarms"));
    ckAlarms->setToolTip(QStringLiteral("If checked, an alarm will sound if an error occurs"));
    ckPrompts = named(new QCheckBox(QStringLiteral("Show Prompts and Confirmations")),
                      QStringLiteral("ckPrompts"));
    ckPrompts->setToolTip(QStringLiteral("If checked, helpful prompts will be displayed"));

    auto* layout = new QVBoxLayout(fraAlarms);
    layout->addWidget(ckAlarms);
    layout->addWidget(ckPrompts);
    return page(fraAlarms);
}

QWidget* frmSetup::buildPrintingTab() {
    QGroupBox* form = pellar::ui::makeFrame(nullptr, QStringLiteral("fraDocument"),
                                            QStringLiteral("Invoice Document Form"));
    optReturn = named(new QRadioButton(QStringLiteral("Print Remittance Slip ")),
                      QStringLiteral("optReturn"));
    optReturn->setToolTip(
        QStringLiteral("Invoices are printed with a perforated Remit section at the Top"));
    optPlain =
        named(new QRadioButton(QStringLiteral("No Remittance Slip")), QStringLiteral("optPlain"));
    optPlain->setToolTip(QStringLiteral("No Remittance form is printed"));
    const auto note = [](const QString& name, const QString& text) {
        auto* label = named(new QLabel(text), name);
        label->setToolTip(QStringLiteral("Select the type of form to print"));
        return label;
    };
    auto* formLayout = new QGridLayout(form);
    formLayout->setHorizontalSpacing(16);
    formLayout->addWidget(optReturn, 0, 0);
    formLayout->addWidget(note(QStringLiteral("lblPerfed"), QStringLiteral("(use perfed paper)")),
                          0, 1);
    formLayout->addWidget(optPlain, 1, 0);
    formLayout->addWidget(note(QStringLiteral("lblPlain"), QStringLiteral("(use plain paper)")), 1,
                          1);
    formLayout->setColumnStretch(2, 1);

    ckColor = named(new OptionCheckBox(QStringLiteral("Print")), QStringLiteral("ckColor"));
    ckColor->setToolTip(QStringLiteral("Tick to set color printing "));
    auto* colorRow = new QHBoxLayout;
    colorRow->setSpacing(2);
    colorRow->addWidget(ckColor);
    colorRow->addWidget(named(new QLabel(QStringLiteral("Color")), QStringLiteral("lblColor")));
    colorRow->addStretch(1);

    auto* envelope = named(new QLabel, QStringLiteral("imgEnvelope"));
    envelope->setPixmap(envelopePicture());
    auto* envelopeBox = new QVBoxLayout;
    envelopeBox->setSpacing(2);
    envelopeBox->addWidget(envelope, 0, Qt::AlignHCenter);
    for (const QString& line :
         {QStringLiteral("Mailing Envelope"), QStringLiteral("Deluxe Form # 91551"),
          QStringLiteral("Click Order Forms (above)")})
        envelopeBox->addWidget(new QLabel(line), 0, Qt::AlignHCenter);
    envelopeBox->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(form);
    left->addSpacing(10);
    left->addLayout(colorRow);
    left->addStretch(1);

    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(24);
    layout->addLayout(left, 1);
    layout->addLayout(envelopeBox);
    return widget;
}

void frmSetup::setTabOrders() {
    QWidget* const order[] = {txtName,   txtAddress,  txtPOBox,    txtCity, txtSt,      txtZip,
                              txtTel,    txtFax,      txtFEIN,     optFlat, optCal,     txtRate,
                              optAll,    optMaterial, optNoTax,    cboRate, ckDiscount, ckMisc,
                              ckLabor,   ckShipping,  cboDiscount, cboDays, ckAlarms,   ckPrompts,
                              optReturn, optPlain,    ckColor,     cmdQuit};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace invoicing
