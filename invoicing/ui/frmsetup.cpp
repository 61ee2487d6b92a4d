#include "invoicing/ui/frmsetup.h"

#include "common/core/desk.h"
#include "common/core/profile.h"
#include "common/core/settings.h"
#include "common/core/weblinks.h"
#include "invoicing/core/suppliernotices.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace invoicing {

namespace {

void fillList(QComboBox* box, const QStringList& items, const QString& text) {
    box->clear();
    box->addItems(items);
    box->setCurrentText(text);
}

} // namespace

frmSetup::frmSetup(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Billwright Setup Form"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    tabInfo = new QTabWidget(central);
    tabInfo->setObjectName(QStringLiteral("tabInfo"));
    tabInfo->setToolTip(QStringLiteral("Enter the needed info,  Click the Orange to Save it"));
    tabInfo->addTab(buildBusinessTab(), QStringLiteral("Business Info"));
    tabInfo->addTab(buildHelpTab(), QStringLiteral("Help"));
    tabInfo->addTab(buildOptionsTab(), QStringLiteral("Options"));
    tabInfo->addTab(buildPrintingTab(), QStringLiteral("Printing"));

    cmdQuit = new QPushButton(QStringLiteral("&Save Entries and  Return to Menu"), central);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setToolTip(QStringLiteral("Returns to Main Menu"));
    // The orange the tab control's tool tip speaks of.
    cmdQuit->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #f0a030; color: black; border: 1px solid #a86510;"
        " border-radius: 4px; padding: 6px 18px; font-weight: bold; }"
        "QPushButton:hover { background-color: #f5b550; }"
        "QPushButton:pressed { background-color: #d88a20; }"
        "QPushButton:focus { border: 2px solid #303030; }"));
    connect(cmdQuit, &QPushButton::clicked, this, &frmSetup::saveAndReturn);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdQuit);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addWidget(tabInfo);
    layout->addLayout(buttonRow);

    buildMenu();
    setTabOrders();

    // What loading the form sets; the loaded options replace the list texts right after.
    fillList(cboRate,
             {QStringLiteral("4.0"), QStringLiteral("5.0"), QStringLiteral("6.0"),
              QStringLiteral("7.0")},
             QStringLiteral("4.0"));
    fillList(cboDiscount,
             {QStringLiteral("0.0"), QStringLiteral("1.0"), QStringLiteral("1.5"),
              QStringLiteral("2.0")},
             QStringLiteral("0.0"));
    fillList(
        cboDays,
        {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30")},
        QStringLiteral("0"));
    const pellar::ProgramSettings& settings = m_program.context().settings;
    ckAlarms->setChecked(settings.alarmsOn);
    ckPrompts->setChecked(settings.promptsOn);
    // The two aids apply to the rest of the run at once, like every option here.
    connect(ckAlarms, &QCheckBox::toggled, this,
            [this](bool on) { m_program.context().settings.alarmsOn = on; });
    connect(ckPrompts, &QCheckBox::toggled, this,
            [this](bool on) { m_program.context().settings.promptsOn = on; });
}

void frmSetup::buildMenu() {
    mnuOrder = menuBar()->addMenu(QStringLiteral("Order Forms"));
    mnuOrder->setObjectName(QStringLiteral("mnuOrder"));
    mnuDeluxe = mnuOrder->addAction(QStringLiteral("from Deluxe"));
    mnuDeluxe->setObjectName(QStringLiteral("mnuDeluxe"));
    connect(mnuDeluxe, &QAction::triggered, this, &frmSetup::orderFormsNotice);
    mnuPaper = mnuOrder->addAction(QStringLiteral("Perfed Paper"));
    mnuPaper->setObjectName(QStringLiteral("mnuPaper"));
    connect(mnuPaper, &QAction::triggered, this, &frmSetup::orderPaperNotice);
}

InvoiceOptions frmSetup::options() const {
    InvoiceOptions o;
    o.taxAll = optAll->isChecked();
    o.taxMaterial = optMaterial->isChecked();
    o.noTax = optNoTax->isChecked();
    o.laborFlat = optFlat->isChecked();
    o.laborCalculated = optCal->isChecked();
    o.taxRate = cboRate->currentText();
    o.laborAddOn = ckLabor->value();
    o.shippingAddOn = ckShipping->value();
    o.miscAddOn = ckMisc->value();
    o.hourlyRate = txtRate->text();
    o.color = ckColor->value();
    o.discountPercent = cboDiscount->currentText();
    o.discountDays = cboDays->currentText();
    o.discountAddOn = ckDiscount->value();
    o.plainPaper = optPlain->isChecked();
    o.remittance = optReturn->isChecked();
    return o;
}

void frmSetup::setOptions(InvoiceOptions o) {
    o.settleGroups();
    // Buttons of one frame exclude each other: setting the true one clears the rest.
    (o.taxAll ? optAll : o.taxMaterial ? optMaterial : optNoTax)->setChecked(true);
    (o.laborCalculated ? optCal : optFlat)->setChecked(true);
    cboRate->setCurrentText(o.taxRate);
    ckLabor->setValue(o.laborAddOn);
    ckShipping->setValue(o.shippingAddOn);
    ckMisc->setValue(o.miscAddOn);
    txtRate->setText(o.hourlyRate);
    ckColor->setValue(o.color);
    cboDiscount->setCurrentText(o.discountPercent);
    cboDays->setCurrentText(o.discountDays);
    ckDiscount->setValue(o.discountAddOn);
    (o.plainPaper ? optPlain : optReturn)->setChecked(true);
}

void frmSetup::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    tabInfo->setCurrentIndex(0);
    const pellar::BusinessProfile& p = m_program.profile();
    txtName->setText(p.name);
    txtAddress->setText(p.address);
    txtPOBox->setText(p.poBox);
    txtCity->setText(p.city);
    txtSt->setText(p.st);
    txtZip->setText(p.zip);
    txtTel->setText(p.tel);
    txtFax->setText(p.fax);
    txtFEIN->setText(p.fein);
    txtName->setFocus();
}

void frmSetup::saveAndReturn() {
    pellar::BusinessProfile& profile = m_program.profile();
    profile = {txtName->text(), txtAddress->text(), txtPOBox->text(),
               txtCity->text(), txtSt->text(),      txtZip->text(),
               txtTel->text(),  txtFax->text(),     txtFEIN->text()};

    QStringList failures;
    if (const pellar::FileResult saved =
            pellar::saveProfileKeepingBackup(m_program.data(), profile);
        !saved)
        failures << saved.error;
    if (const pellar::FileResult saved = SaveInvoiceOptions(m_program.data(), options()); !saved)
        failures << saved.error;
    pellar::ProgramSettings& settings = m_program.context().settings;
    settings.alarmsOn = ckAlarms->isChecked();
    settings.promptsOn = ckPrompts->isChecked();
    // A settings file that could not be read is left as it is: its first two values
    // belong to another program and would be lost.
    if (settings.problem.isEmpty()) {
        if (const pellar::FileResult saved = pellar::saveSettings(m_program.data(), settings);
            !saved)
            failures << saved.error;
    }

    if (!failures.isEmpty()) {
        failures << QStringLiteral("Your entries are still on the form.");
        m_program.reportFileError(failures.join(u'\n'));
        return;
    }
    hide();
    m_program.showMenu();
}

void frmSetup::orderFormsNotice() {
    if (const pellar::FileResult opened = showSetupFormsNotice(m_program.context()); !opened)
        m_program.reportFileError(opened.error);
}

void frmSetup::orderPaperNotice() {
    if (const pellar::FileResult opened = showSetupPaperNotice(m_program.context()); !opened)
        m_program.reportFileError(opened.error);
}

} // namespace invoicing
