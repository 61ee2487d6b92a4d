// The setup form's pages: which control sits where, with its caption and tool tip, and
// how each page shows and hands back its part of the profile and the options.
#include "invoicing/ui/setuppages.h"

#include "common/ui/inputroutines.h"
#include "common/ui/widgets.h"

#include "invoicing/core/pictures.h"
#include "invoicing/core/storedrates.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

// The list items are stored rates, shown in the regional form.
void fillList(QComboBox* box, const QStringList& items, const QString& text) {
    box->clear();
    for (const QString& item : items)
        box->addItem(shownRate(item));
    box->setCurrentText(shownRate(text));
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

QRadioButton* radio(const QString& name, const QString& caption) {
    return named(new QRadioButton(caption), name);
}

OptionCheckBox* check(const QString& name, const QString& caption) {
    return named(new OptionCheckBox(caption), name);
}

} // namespace

// ---- Business Info ----------------------------------------------------------------------

SetupBusinessPage::SetupBusinessPage() {
    const QString names[9] = {"txtName", "txtAddress", "txtPOBox", "txtCity", "txtSt",
                              "txtZip",  "txtTel",     "txtFax",   "txtFEIN"};
    static const char* const labels[9] = {
        QT_TR_NOOP("Company Name"), QT_TR_NOOP("Street Address"), QT_TR_NOOP("PO Box/Suite"),
        QT_TR_NOOP("City"),         QT_TR_NOOP("State"),          QT_TR_NOOP("Zip Code"),
        QT_TR_NOOP("Telephone"),    QT_TR_NOOP("FAX No"),         QT_TR_NOOP("FEIN or VAT")};
    auto* form = new QFormLayout(this);
    form->setContentsMargins(18, 18, 18, 18);
    form->setLabelAlignment(Qt::AlignRight);
    for (int i = 0; i < 9; ++i) {
        m_boxes[i] = named(new QLineEdit, names[i]);
        m_boxes[i]->setMinimumWidth(300);
        pellar::keepStorable(*m_boxes[i]);
        form->addRow(tr(labels[i]), m_boxes[i]);
    }
}

void SetupBusinessPage::showProfile(const pellar::BusinessProfile& p) {
    const QString fields[9] = {p.name, p.address, p.poBox, p.city, p.st,
                               p.zip,  p.tel,     p.fax,   p.fein};
    for (int i = 0; i < 9; ++i)
        m_boxes[i]->setText(fields[i]);
}

pellar::BusinessProfile SetupBusinessPage::profile() const {
    const auto text = [this](int i) {
        return m_boxes[i]->text();
    };
    return {text(0), text(1), text(2), text(3), text(4), text(5), text(6), text(7), text(8)};
}

QList<QWidget*> SetupBusinessPage::tabChain() const {
    return QList<QWidget*>(std::begin(m_boxes), std::end(m_boxes));
}

// ---- Help -------------------------------------------------------------------------------------

QWidget* makeSetupHelpPage() {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(18);
    const QString notes[3] = {
        QCoreApplication::translate(
            "SetupHelpPage",
            "Options Tab - This Information is used when creating Invoices\nProgram "
            "Aids are used throughout."),
        QCoreApplication::translate("SetupHelpPage",
                                    "Business Tab - Information is used to headup Invoices."),
        QCoreApplication::translate(
            "SetupHelpPage",
            "Enter the Information needed at each Tab.\nThe Options Tab has multiple "
            "sub-tabs.\nInformation that is commom to other Orvanta Programs may "
            "appear automatically.")};
    for (int i = 0; i < 3; ++i)
        layout->addWidget(named(wrappedLabel(notes[i]), QStringLiteral("lblHelp_%1").arg(i)));
    layout->addStretch(1);
    return widget;
}

// ---- Options ----------------------------------------------------------------------------------

SetupOptionsPage::SetupOptionsPage() {
    auto* tabs = named(new QTabWidget, QStringLiteral("tabOptions"));
    tabs->addTab(buildLaborTab(), tr("Labor Charges"));
    tabs->addTab(buildTaxTab(), tr("Sales Tax"));
    tabs->addTab(buildAddOnsTab(), tr("Invoice Options"));
    tabs->addTab(buildDiscountTab(), tr("Discounts"));
    tabs->addTab(buildAidsTab(), tr("Program Aids"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(tabs);

    // What loading the form sets; the options shown replace the list texts right after.
    fillList(m_taxRate, {"4.0", "5.0", "6.0", "7.0"}, QStringLiteral("4.0"));
    fillList(m_discountPercent, {"0.0", "1.0", "1.5", "2.0"}, QStringLiteral("0.0"));
    fillList(m_discountDays, {"0", "10", "15", "30"}, QStringLiteral("0"));

    for (QRadioButton* button : {m_laborFlat, m_laborCalculated, m_taxAll, m_taxMaterial, m_noTax})
        connect(button, &QRadioButton::toggled, this, &SetupOptionsPage::edited);
    for (QCheckBox* box : {m_discountAddOn, m_miscAddOn, m_laborAddOn, m_shippingAddOn})
        connect(box, &QCheckBox::stateChanged, this, &SetupOptionsPage::edited);
    for (QComboBox* box : {m_taxRate, m_discountPercent, m_discountDays})
        connect(box, &QComboBox::currentTextChanged, this, &SetupOptionsPage::edited);
    connect(m_hourlyRate, &QLineEdit::textChanged, this, &SetupOptionsPage::edited);
    for (QCheckBox* box : {m_alarms, m_prompts})
        connect(box, &QCheckBox::toggled, this,
                [this] { emit aidsEdited(m_alarms->isChecked(), m_prompts->isChecked()); });
}

QWidget* SetupOptionsPage::buildLaborTab() {
    QGroupBox* frame =
        pellar::ui::makeFrame(nullptr, QStringLiteral("fraLabor"), tr("Create by using"));
    m_laborFlat = radio(QStringLiteral("optFlat"), tr("Flat Rate (Enter Manually)"));
    m_laborCalculated = radio(QStringLiteral("optCal"), tr("Calculate (Manpower  X  Hours)"));
    m_hourlyRate = named(new QLineEdit, QStringLiteral("txtRate"));
    m_hourlyRate->setMaximumWidth(100);
    pellar::keepStorable(*m_hourlyRate);
    auto* rateLabel = named(new QLabel(tr("Hourly Rate (0.00)")), QStringLiteral("lblHourlyRate"));
    rateLabel->setBuddy(m_hourlyRate);

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(rateLabel);
    rateRow->addWidget(m_hourlyRate);
    rateRow->addStretch(1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_laborFlat);
    layout->addWidget(m_laborCalculated);
    layout->addSpacing(8);
    layout->addLayout(rateRow);
    return page(frame);
}

QWidget* SetupOptionsPage::buildTaxTab() {
    QGroupBox* frame =
        pellar::ui::makeFrame(nullptr, QStringLiteral("fraTax"), tr("Sales Tax Calculations"));
    m_taxAll = radio(QStringLiteral("optAll"), tr("Tax Material and Labor"));
    m_taxMaterial = radio(QStringLiteral("optMaterial"), tr("Tax ONLY Material"));
    m_noTax = radio(QStringLiteral("optNoTax"), tr("NO Sales Tax"));
    m_taxRate = editableList(QStringLiteral("cboRate"));
    auto* rateLabel = named(new QLabel(tr("Tax Rate (%)")), QStringLiteral("lblRate"));
    rateLabel->setBuddy(m_taxRate);

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(rateLabel);
    rateRow->addWidget(m_taxRate);
    rateRow->addStretch(1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_taxAll);
    layout->addWidget(m_taxMaterial);
    layout->addWidget(m_noTax);
    layout->addSpacing(8);
    layout->addLayout(rateRow);
    return page(frame);
}

QWidget* SetupOptionsPage::buildAddOnsTab() {
    QGroupBox* frame = pellar::ui::makeFrame(nullptr, QStringLiteral("fraInvoiceOptions"),
                                             tr("Apply to each Invoice"));
    frame->setToolTip(tr("Items you typically include on an Invoice"));
    m_discountAddOn = check(QStringLiteral("ckDiscount"), tr("Discount Information"));
    m_miscAddOn = check(QStringLiteral("ckMisc"), tr("Misc Charges or Credits"));
    m_laborAddOn = check(QStringLiteral("ckLabor"), tr("Labor Charges"));
    m_shippingAddOn = check(QStringLiteral("ckShipping"), tr("Shipping and Handling"));

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(
        named(wrappedLabel(tr("Items may be Selected or Deselected as an Invoice is being "
                              "Created")),
              QStringLiteral("lblAddOnNote")));
    layout->addSpacing(6);
    for (QCheckBox* box : {m_discountAddOn, m_miscAddOn, m_laborAddOn, m_shippingAddOn})
        layout->addWidget(box);
    return page(frame);
}

QWidget* SetupOptionsPage::buildDiscountTab() {
    QGroupBox* frame =
        pellar::ui::makeFrame(nullptr, QStringLiteral("fraDiscount"), tr("Discount Calculations"));
    m_discountPercent = editableList(QStringLiteral("cboDiscount"));
    m_discountDays = editableList(QStringLiteral("cboDays"));

    // Read left to right as one sentence: "2.0 % if Paid in 10 Days".
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(m_discountPercent);
    layout->addWidget(named(new QLabel(tr("% if Paid in")), QStringLiteral("lblDiscount")));
    layout->addWidget(m_discountDays);
    layout->addWidget(named(new QLabel(tr("Days")), QStringLiteral("lblDays")));
    layout->addStretch(1);
    return page(frame);
}

QWidget* SetupOptionsPage::buildAidsTab() {
    QGroupBox* frame =
        pellar::ui::makeFrame(nullptr, QStringLiteral("fraAlarms"), tr("Program Assistance"));
    m_alarms = named(new QCheckBox(tr("Sound Alarm on Errors")), QStringLiteral("ckAlarms"));
    m_alarms->setToolTip(tr("If checked, an alarm will sound if an error occurs"));
    m_prompts =
        named(new QCheckBox(tr("Show Prompts and Confirmations")), QStringLiteral("ckPrompts"));
    m_prompts->setToolTip(tr("If checked, helpful prompts will be displayed"));

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_alarms);
    layout->addWidget(m_prompts);
    return page(frame);
}

void SetupOptionsPage::showOptions(const InvoiceOptions& o) {
    // Buttons of one frame exclude each other: setting the true one clears the rest.
    (o.taxAll ? m_taxAll : o.taxMaterial ? m_taxMaterial : m_noTax)->setChecked(true);
    (o.laborCalculated ? m_laborCalculated : m_laborFlat)->setChecked(true);
    m_taxRate->setCurrentText(shownRate(o.taxRate));
    m_laborAddOn->setValue(o.laborAddOn);
    m_shippingAddOn->setValue(o.shippingAddOn);
    m_miscAddOn->setValue(o.miscAddOn);
    m_hourlyRate->setText(shownRate(o.hourlyRate));
    m_discountPercent->setCurrentText(shownRate(o.discountPercent));
    m_discountDays->setCurrentText(o.discountDays);
    m_discountAddOn->setValue(o.discountAddOn);
}

void SetupOptionsPage::collect(InvoiceOptions& o) const {
    o.taxAll = m_taxAll->isChecked();
    o.taxMaterial = m_taxMaterial->isChecked();
    o.noTax = m_noTax->isChecked();
    o.laborFlat = m_laborFlat->isChecked();
    o.laborCalculated = m_laborCalculated->isChecked();
    o.taxRate = storedRate(m_taxRate->currentText());
    o.laborAddOn = m_laborAddOn->value();
    o.shippingAddOn = m_shippingAddOn->value();
    o.miscAddOn = m_miscAddOn->value();
    o.hourlyRate = storedRate(m_hourlyRate->text());
    o.discountPercent = storedRate(m_discountPercent->currentText());
    o.discountDays = m_discountDays->currentText();
    o.discountAddOn = m_discountAddOn->value();
}

void SetupOptionsPage::showAids(bool alarmsOn, bool promptsOn) {
    m_alarms->setChecked(alarmsOn);
    m_prompts->setChecked(promptsOn);
}

QList<QWidget*> SetupOptionsPage::tabChain() const {
    return {m_laborFlat,     m_laborCalculated, m_hourlyRate,    m_taxAll,    m_taxMaterial,
            m_noTax,         m_taxRate,         m_discountAddOn, m_miscAddOn, m_laborAddOn,
            m_shippingAddOn, m_discountPercent, m_discountDays,  m_alarms,    m_prompts};
}

// ---- Printing ---------------------------------------------------------------------------------

SetupPrintingPage::SetupPrintingPage() {
    QGroupBox* form =
        pellar::ui::makeFrame(nullptr, QStringLiteral("fraDocument"), tr("Invoice Document Form"));
    m_remittance = radio(QStringLiteral("optReturn"), tr("Print Remittance Slip "));
    m_remittance->setToolTip(tr("Invoices are printed with a perforated Remit section at the Top"));
    m_plainPaper = radio(QStringLiteral("optPlain"), tr("No Remittance Slip"));
    m_plainPaper->setToolTip(tr("No Remittance form is printed"));
    const auto note = [](const QString& name, const QString& text) {
        auto* label = named(new QLabel(text), name);
        label->setToolTip(tr("Select the type of form to print"));
        return label;
    };
    auto* formLayout = new QGridLayout(form);
    formLayout->setHorizontalSpacing(16);
    formLayout->addWidget(m_remittance, 0, 0);
    formLayout->addWidget(note(QStringLiteral("lblPerfed"), tr("(use perfed paper)")), 0, 1);
    formLayout->addWidget(m_plainPaper, 1, 0);
    formLayout->addWidget(note(QStringLiteral("lblPlain"), tr("(use plain paper)")), 1, 1);
    formLayout->setColumnStretch(2, 1);

    m_color = check(QStringLiteral("ckColor"), tr("Print"));
    m_color->setToolTip(tr("Tick to set color printing "));
    auto* colorRow = new QHBoxLayout;
    colorRow->setSpacing(2);
    colorRow->addWidget(m_color);
    colorRow->addWidget(named(new QLabel(tr("Color")), QStringLiteral("lblColor")));
    colorRow->addStretch(1);

    auto* envelope = named(new QLabel, QStringLiteral("imgEnvelope"));
    envelope->setPixmap(envelopePicture());
    auto* envelopeBox = new QVBoxLayout;
    envelopeBox->setSpacing(2);
    envelopeBox->addWidget(envelope, 0, Qt::AlignHCenter);
    for (const QString& line :
         {tr("Mailing Envelope"), tr("Deluxe Form # 91551"), tr("Click Order Forms (above)")})
        envelopeBox->addWidget(new QLabel(line), 0, Qt::AlignHCenter);
    envelopeBox->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(form);
    left->addSpacing(10);
    left->addLayout(colorRow);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(24);
    layout->addLayout(left, 1);
    layout->addLayout(envelopeBox);

    for (QRadioButton* button : {m_remittance, m_plainPaper})
        connect(button, &QRadioButton::toggled, this, &SetupPrintingPage::edited);
    connect(m_color, &QCheckBox::stateChanged, this, &SetupPrintingPage::edited);
}

void SetupPrintingPage::showOptions(const InvoiceOptions& o) {
    m_color->setValue(o.color);
    (o.plainPaper ? m_plainPaper : m_remittance)->setChecked(true);
}

void SetupPrintingPage::collect(InvoiceOptions& o) const {
    o.color = m_color->value();
    o.plainPaper = m_plainPaper->isChecked();
    o.remittance = m_remittance->isChecked();
}

QList<QWidget*> SetupPrintingPage::tabChain() const {
    return {m_remittance, m_plainPaper, m_color};
}

} // namespace invoicing
