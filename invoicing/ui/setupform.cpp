#include "invoicing/ui/setupform.h"

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/profile.h"
#include "common/core/settings.h"
#include "common/core/weblinks.h"
#include "common/ui/alignmentpage.h"
#include "invoicing/core/invoicepagelayout.h"
#include "invoicing/core/suppliernotices.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/setupmemo.h"
#include "invoicing/ui/setuppages.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace invoicing {

SetupForm::SetupForm(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Billwright Setup Form"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_business = new SetupBusinessPage;
    m_options = new SetupOptionsPage;
    m_printing = new SetupPrintingPage;
    m_memo = new SetupMemoPage(m_program);
    m_alignment = new pellar::ui::AlignmentPage(
        m_program.context(), {pellar::PrintedDocument::Invoice},
        [this](pellar::PrintedDocument, pellar::AlignmentOffsets offsets) {
            printTestPage(offsets);
        });
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("tabInfo"));
    m_tabs->setToolTip(tr("Enter the needed info,  Click the Orange to Save it"));
    m_tabs->addTab(m_business, tr("Business Info"));
    m_tabs->addTab(makeSetupHelpPage(), tr("Help"));
    m_tabs->addTab(m_options, tr("Options"));
    m_tabs->addTab(m_printing, tr("Printing"));
    m_tabs->addTab(m_memo, tr("Memo"));
    m_tabs->addTab(m_alignment, tr("Alignment"));

    auto* save = new QPushButton(tr("&Save Entries and  Return to Menu"), central);
    save->setObjectName(QStringLiteral("cmdQuit"));
    save->setToolTip(tr("Returns to Main Menu"));
    // The orange the tab control's tool tip speaks of.
    save->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #f0a030; color: black; border: 1px solid #a86510;"
        " border-radius: 4px; padding: 6px 18px; font-weight: bold; }"
        "QPushButton:hover { background-color: #f5b550; }"
        "QPushButton:pressed { background-color: #d88a20; }"
        "QPushButton:focus { border: 2px solid #303030; }"));
    connect(save, &QPushButton::clicked, this, &SetupForm::saveAndReturn);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(save);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addWidget(m_tabs);
    layout->addLayout(buttonRow);

    buildMenu();
    setTabOrders(save);
    showOptions();
    const pellar::ProgramSettings& settings = m_program.context().settings;
    m_options->showAids(settings.alarmsOn, settings.promptsOn);
    connect(m_options, &SetupOptionsPage::edited, this, &SetupForm::optionsEdited);
    connect(m_printing, &SetupPrintingPage::edited, this, &SetupForm::optionsEdited);
    // The two aids apply to the rest of the run at once, like every option here.
    connect(m_options, &SetupOptionsPage::aidsEdited, this, [this](bool alarms, bool prompts) {
        m_program.context().settings.alarmsOn = alarms;
        m_program.context().settings.promptsOn = prompts;
    });
}

void SetupForm::buildMenu() {
    QMenu* order = menuBar()->addMenu(tr("&Order Forms"));
    order->setObjectName(QStringLiteral("mnuOrder"));
    const auto notice = [this, order](const QString& name, const QString& caption,
                                      pellar::FileResult (*show)(pellar::ProgramContext&)) {
        QAction* action = order->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, show] {
            if (const pellar::FileResult opened = show(m_program.context()); !opened)
                m_program.reportFileError(opened.error);
        });
    };
    notice(QStringLiteral("mnuDeluxe"), tr("&from Deluxe"), &showSetupFormsNotice);
    notice(QStringLiteral("mnuPaper"), tr("&Perfed Paper"), &showSetupPaperNotice);
}

void SetupForm::setTabOrders(QWidget* saveButton) {
    const QList<QWidget*> order = m_business->tabChain() + m_options->tabChain() +
                                  m_printing->tabChain() +
                                  QList<QWidget*>{m_memo->editor(), saveButton};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void SetupForm::showOptions() {
    m_showing = true;
    m_options->showOptions(m_program.options());
    m_printing->showOptions(m_program.options());
    m_showing = false;
}

void SetupForm::optionsEdited() {
    if (m_showing)
        return;
    InvoiceOptions options = m_program.options();
    m_options->collect(options);
    m_printing->collect(options);
    m_program.setOptions(options);
}

void SetupForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_tabs->setCurrentIndex(0);
    m_shownProfile = m_program.profile();
    m_business->showProfile(m_shownProfile);
    showOptions();
    m_memo->showMemo();
    m_business->tabChain().first()->setFocus();
}

void SetupForm::saveAndReturn() {
    // Said before anything is written: the memo is kept as typed either way.
    if (const MemoFit fit = measureMemo(m_memo->lines()); !fit.all())
        m_program.desk().message(
            QString::fromUtf16(kApplicationTitle),
            {tr("The memo takes %1 printed lines, but only %2 fit at the foot of "
                "the invoice.")
                 .arg(fit.lines)
                 .arg(fit.fitting),
             tr("The last %1 will be left off.").arg(fit.lines - fit.fitting)},
            pellar::MessageButtons::Ok, pellar::MessageIcon::Information);
    QStringList failures;
    bool keptOther = false;
    const pellar::BusinessProfile typed = m_business->profile();
    if (const pellar::FileResult saved =
            pellar::saveProfileAsking(m_program.desk(), QString::fromUtf16(kApplicationTitle),
                                      m_program.data(), m_shownProfile, typed, false, &keptOther);
        !saved)
        failures << saved.error;
    // What is stored, not what was typed: the file holds no '"', and a restart would show
    // the stored profile.
    m_program.profile() = keptOther ? m_shownProfile : typed;
    if (failures.isEmpty() && !keptOther)
        m_program.profile() = pellar::readBusinessProfile(m_program.data()).profile;
    if (const pellar::FileResult saved = saveInvoiceOptions(m_program.data(), m_program.options());
        !saved)
        failures << saved.error;
    // A settings file that could not be read is left as it is: its first two values
    // belong to another program and would be lost.
    const pellar::ProgramSettings& settings = m_program.context().settings;
    if (settings.problem.isEmpty()) {
        if (const pellar::FileResult saved = pellar::saveSettings(m_program.data(), settings);
            !saved)
            failures << saved.error;
    }

    if (const QString error = m_memo->save(); !error.isEmpty())
        failures << error;
    if (!saveChangedOffsets())
        failures << tr("The print offsets could not be saved.");

    if (!failures.isEmpty()) {
        failures << tr("Your entries are still on the form.");
        m_program.reportFileError(failures.join(u'\n'));
        return;
    }
    hide();
    m_program.showMenu();
}

void SetupForm::printTestPage(pellar::AlignmentOffsets offsets) {
    // Without a printer the same PDF offer as Print makes.
    const std::optional<pellar::PrinterChoice> printer =
        pellar::chooseTestPageOutput(m_program.context(), QString::fromUtf16(kApplicationTitle));
    if (!printer)
        return;
    const pellar::PrintOutcome printed =
        pellar::printAlignmentTestPage(m_program.desk(), invoiceDocument(QString()), offsets,
                                       *printer, &printInvoiceFieldOutlines);
    if (!printed)
        m_program.reportFileError(printed.error);
}

bool SetupForm::saveChangedOffsets() {
    const pellar::PrintedDocument invoice = pellar::PrintedDocument::Invoice;
    // An untouched page leaves the file as it is, damaged or not (and changed by another
    // copy since, or not).
    if (!m_alignment->changed(invoice))
        return true;
    return m_alignment->save();
}

} // namespace invoicing
