// The invoice form: the panels put together, activation, and the handlers that take the
// draft's steps and show what they did.
#include "invoicing/ui/invoiceform.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/core/settings.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/invoicegrid.h"
#include "invoicing/ui/invoicepanels.h"
#include "invoicing/ui/invoiceprint.h"
#include "invoicing/ui/setupmemo.h"
#include "invoicing/ui/startmenu.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace invoicing {

using pellar::ui::named;

InvoiceForm::InvoiceForm(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmInvoice"));
    setWindowTitle(tr("Invoice Creation"));
    buildForm();
    connectPanels();
    setTabOrders();
    for (QWidget* panel :
         std::initializer_list<QWidget*>{m_lineEntry, m_addOns, m_labor, m_chargesPanel})
        panel->hide();
    m_chargesPanel->watch(this);
    m_labor->watch(this);
}

InvoiceForm::~InvoiceForm() = default;

void InvoiceForm::buildForm() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_header = new InvoiceHeaderPanel(central);

    m_grid = named(new InvoiceGrid(central), QStringLiteral("fgInvoice"));
    m_grid->setToolTip(tr("Invoice Items Show here"));
    m_grid->setMinimumHeight(m_grid->verticalHeader()->defaultSectionSize() * 10 +
                             m_grid->horizontalHeader()->sizeHint().height() + 4);

    const CatalogueRead catalogue = loadItems(m_program.data());
    if (!catalogue.problem.isEmpty())
        m_program.reportFileError(catalogue.problem);
    m_lineEntry = new LineEntryPanel(Catalogue(catalogue));
    m_addOns = new AddOnPanel;
    m_labor = new LaborPanel;
    m_chargesPanel = new ChargesPanel;
    auto* panels = new QWidget(central);
    panels->setObjectName(QStringLiteral("panelArea"));
    auto* panelRow = new QHBoxLayout(panels);
    panelRow->setContentsMargins(0, 0, 0, 0);
    for (QWidget* panel :
         std::initializer_list<QWidget*>{m_lineEntry, m_addOns, m_labor, m_chargesPanel})
        panelRow->addWidget(panel, 0, Qt::AlignTop);
    panelRow->addStretch(1);
    // The step panels come and go in the same place; the form keeps its size meanwhile. Labor
    // and charges stand side by side, the others alone.
    const QSize lines = m_lineEntry->sizeHint();
    const QSize addOns = m_addOns->sizeHint();
    const QSize labor = m_labor->sizeHint();
    const QSize charges = m_chargesPanel->sizeHint();
    panels->setMinimumSize(
        std::max(
            {lines.width(), addOns.width(), labor.width() + panelRow->spacing() + charges.width()}),
        std::max({lines.height(), addOns.height(), labor.height(), charges.height()}));

    m_totals = new TotalsPanel;
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panels, 1);
    bottom->addWidget(m_totals, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(m_header);
    layout->addSpacing(6);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    m_note = new pellar::ui::StatusNote(central);
    layout->addWidget(m_note);

    QAction* help = named(menuBar()->addAction(tr("&Help")), QStringLiteral("mnuInvoiceHelp"));
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &InvoiceForm::showHelp);
    m_lineMenu = named(new QMenu(tr("Popup"), this), QStringLiteral("mnuPopup"));
    QAction* deleteItem =
        named(m_lineMenu->addAction(tr("&Delete Item")), QStringLiteral("mnuDeleteItem"));
    connect(deleteItem, &QAction::triggered, this, &InvoiceForm::deleteLine);
}

void InvoiceForm::connectPanels() {
    connect(m_header, &InvoiceHeaderPanel::createClicked, this, &InvoiceForm::create);
    connect(m_header, &InvoiceHeaderPanel::redoClicked, this, &InvoiceForm::redo);
    connect(m_header, &InvoiceHeaderPanel::printClicked, this,
            [this] { print(InvoiceOutput::Printer); });
    connect(m_header, &InvoiceHeaderPanel::previewClicked, this, &InvoiceForm::preview);
    connect(m_header, &InvoiceHeaderPanel::savePdfClicked, this,
            [this] { print(InvoiceOutput::Pdf); });
    connect(m_header, &InvoiceHeaderPanel::menuClicked, this, &InvoiceForm::leaveToMenu);
    connect(m_header, &InvoiceHeaderPanel::referenceEdited, this,
            [this](const QString& reference) { m_draft.setReference(reference); });
    connect(m_header, &InvoiceHeaderPanel::numberEdited, this,
            [this](const QString& number) { m_draft.setNumber(number); });
    connect(m_grid, &InvoiceGrid::rightClicked, this, [this](const QPoint& at) {
        if (m_draft.canDelete(m_grid->currentLine()))
            m_lineMenu->popup(at);
    });
    connect(m_lineEntry, &LineEntryPanel::postClicked, this, &InvoiceForm::post);
    connect(m_lineEntry, &LineEntryPanel::completeClicked, this, &InvoiceForm::completeLines);
    connect(m_lineEntry, &LineEntryPanel::stepTaken, this, &InvoiceForm::apply);
    connect(m_addOns, &AddOnPanel::edited, this,
            [this](const AddOns& addOns) { m_draft.setAddOns(addOns); });
    connect(m_addOns, &AddOnPanel::continueClicked, this, &InvoiceForm::continueFromAddOns);
    connect(m_labor, &LaborPanel::calculateClicked, this, &InvoiceForm::calculateLabor);
    connect(m_labor, &LaborPanel::enterClicked, this, &InvoiceForm::enterLabor);
    connect(m_labor, &LaborPanel::redoClicked, this, &InvoiceForm::continueFromAddOns);
}

void InvoiceForm::setTabOrders() {
    const QList<QWidget*> order = m_header->tabChain() + m_lineEntry->tabChain() +
                                  m_addOns->tabChain() + m_labor->tabChain() +
                                  m_chargesPanel->tabChain() + QList<QWidget*>{m_grid};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// ---- Showing the draft ------------------------------------------------------------------------

void InvoiceForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window restored by the person is not a new invoice.
    if (!event->spontaneous())
        activate();
}

void InvoiceForm::closeEvent(QCloseEvent* event) {
    m_charges.stop();
    QMainWindow::closeEvent(event);
}

void InvoiceForm::activate() {
    m_header->showCustomer(m_program.customer());
    m_lineEntry->clearEntry();
    const InvoiceCounterLoad load = loadInvoiceNumber(m_program.data(), m_program.desk().today());
    if (!load.problem.isEmpty())
        m_program.reportFileError(load.problem);
    else if (!load.saved)
        m_program.reportFileError(load.saved.error);
    m_draft.start(load.counter, AddOns::from(m_program.options()));
    m_addOns->showAddOns(m_draft.addOns());
    clearCharges();
    present({});
    // Setup warns when the memo is saved; said here too, where the invoice is made.
    if (const MemoRead memo = readInvoiceMemo(m_program.data()); memo.problem.isEmpty()) {
        if (const MemoFit fit = measureMemo(memo.lines); !fit.all())
            m_note->say(tr("The memo takes %1 printed lines, but only %2 fit at the "
                           "foot of the invoice: the last %3 will be left off.")
                            .arg(fit.lines)
                            .arg(fit.fitting)
                            .arg(fit.lines - fit.fitting));
    }
    m_header->focusReference();
}

void InvoiceForm::clearCharges() {
    m_charges.reset();
    m_chargesPanel->clearBoxes();
    m_labor->clear();
    m_header->showNumber(m_draft.number());
    drawInvoice();
}

void InvoiceForm::drawInvoice() {
    m_grid->showLines(m_draft.lines());
    m_lineEntry->showDraft(m_draft);
    m_chargesPanel->showDraft(m_draft);
    m_totals->showTotals(m_draft.totals());
}

void InvoiceForm::present(const StepResult& step) {
    const InvoiceDraft::Stage stage = m_draft.stage();
    const QList<QPair<QWidget*, bool>> panels{{m_lineEntry, stage == InvoiceDraft::Stage::Lines},
                                              {m_addOns, stage == InvoiceDraft::Stage::AddOns},
                                              {m_labor, m_draft.laborOpen()},
                                              {m_chargesPanel, m_draft.chargesOpen()}};
    for (const auto& [panel, wanted] : panels) {
        if (wanted)
            panel->show();
    }
    m_header->showStage(stage);
    m_lineEntry->showDraft(m_draft);
    apply(step);
    for (const auto& [panel, wanted] : panels) {
        if (!wanted)
            panel->hide();
    }
}

void InvoiceForm::refuse(const QString& why) {
    if (m_program.context().settings.alarmsOn)
        pellar::ui::refuse(m_program.desk(), m_note, why);
    else
        m_note->say(why);
}

void InvoiceForm::apply(const StepResult& step) {
    if (step.alarm)
        refuse(step.why);
    // The one panel that has the control takes the focus.
    m_header->focus(step.focus) || m_lineEntry->focus(step.focus) || m_addOns->focus(step.focus) ||
        m_labor->focus(step.focus) || m_chargesPanel->focus(step.focus);
}

TaxRule InvoiceForm::taxRule() const {
    return TaxRule::from(m_program.options());
}

// ---- The charge boxes -------------------------------------------------------------------------

bool InvoiceForm::eventFilter(QObject* watched, QEvent* event) {
    const bool entered = event->type() == QEvent::FocusIn;
    if (!entered && event->type() != QEvent::FocusOut)
        return QMainWindow::eventFilter(watched, event);
    // Focus that leaves with the window (another program, a message box, a menu) comes back
    // to the same box: that is not the person moving between boxes.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return QMainWindow::eventFilter(watched, event);
    const std::optional<ChargeBox> box =
        m_labor->isTotalBox(watched) ? ChargeBox::Labor : m_chargesPanel->chargeBoxOf(watched);
    if (box) {
        const QString typed = static_cast<QLineEdit*>(watched)->text();
        react(*box, entered ? m_charges.entered(*box) : m_charges.left(*box, typed));
    }
    return QMainWindow::eventFilter(watched, event);
}

void InvoiceForm::react(ChargeBox box, const ChargeReaction& reaction) {
    if (reaction.text && box == ChargeBox::Labor)
        m_labor->showTotal(*reaction.text);
    else if (reaction.text)
        m_chargesPanel->showCharge(box, *reaction.text);
    m_chargesPanel->tint(box, reaction.tint);
    if (reaction.totalsChanged)
        m_totals->showTotals(m_draft.totals());
    static const char* const kRefusals[] = {
        QT_TR_NOOP("The labor charge is not an amount this invoice can take."),
        QT_TR_NOOP("The shipping charge is not an amount this invoice can take."),
        QT_TR_NOOP("The charge or credit is not an amount this invoice can take.")};
    apply({reaction.alarm, reaction.focus, false, tr(kRefusals[int(box)])});
    m_charges.settled();
}

// ---- Steps ------------------------------------------------------------------------------------

void InvoiceForm::create() {
    m_draft.beginLines();
    present({false, InvoiceField::Item});
}

void InvoiceForm::redo() {
    m_draft.redo();
    clearCharges();
    present({false, InvoiceField::CreateInvoice});
}

void InvoiceForm::post() {
    const StepResult step =
        m_draft.post(m_lineEntry->item(), m_lineEntry->quantity(), m_lineEntry->price(), taxRule());
    if (!step.alarm) {
        drawInvoice();
        m_lineEntry->clearEntry();
        m_grid->scrollToLine(int(m_draft.lines().size()));
    }
    present(step);
}

void InvoiceForm::deleteLine() {
    const int line = m_grid->currentLine();
    if (!m_draft.canDelete(line))
        return;
    const pellar::MessageAnswer answer = m_program.desk().message(
        tr("Item Deletion"),
        {tr("Delete item %1 from Invoice?").arg(m_draft.lines().at(line - 1).item)},
        pellar::MessageButtons::YesNoDefaultNo);
    if (answer != pellar::MessageAnswer::Yes)
        return;
    const StepResult step = m_draft.deleteLine(line, taxRule());
    if (!step.alarm) {
        drawInvoice();
        m_lineEntry->clearEntry();
    }
    apply(step);
}

void InvoiceForm::completeLines() {
    m_draft.completeLines();
    present({false, InvoiceField::AddOnsContinue});
}

void InvoiceForm::continueFromAddOns() {
    const InvoiceOptions& options = m_program.options();
    const StepResult step = m_draft.continueFromAddOns(options);
    if (m_draft.laborOpen() && options.laborMode() == LaborMode::Calculated)
        m_labor->showRate(m_draft.offeredRate());
    drawInvoice();
    present(step);
}

void InvoiceForm::calculateLabor() {
    const StepResult step = m_draft.calculateLabor(m_labor->hours(), m_labor->rate());
    if (!step.alarm)
        m_labor->showTotal(pellar::formatCurrency(m_draft.totals().labor()));
    apply(step);
}

void InvoiceForm::enterLabor() {
    const StepResult step = m_draft.enterLabor(m_labor->total(), taxRule());
    if (step.textRefused) {
        react(ChargeBox::Labor, m_charges.refuse(ChargeBox::Labor));
        return;
    }
    if (!step.alarm) {
        m_charges.accepted();
        drawInvoice();
    }
    present(step);
}

bool InvoiceForm::chargeBeingCorrected() {
    // The box with the refused text has the focus until the text is corrected.
    if (const std::optional<ChargeBox> refused = m_charges.refusedBox()) {
        apply({true, ChargeEntry::field(*refused), false,
               tr("Correct the amount in this box first.")});
        return true;
    }
    return false;
}

void InvoiceForm::print(InvoiceOutput output) {
    if (chargeBeingCorrected())
        return;
    const PrintOutcome outcome = printInvoice(m_draft, m_program, output);
    if (outcome == PrintOutcome::Confirmed || outcome == PrintOutcome::NotConfirmed)
        leaveToMenu();
    else
        m_header->showNumber(m_draft.number()); // it may have moved on meanwhile
}

void InvoiceForm::preview() {
    if (!chargeBeingCorrected())
        previewInvoice(m_draft, m_program);
}

void InvoiceForm::leaveToMenu() {
    // A catalogue that could not be read whole is not written over with what was offered.
    if (const Catalogue& catalogue = m_lineEntry->catalogue(); catalogue.writable()) {
        if (const pellar::FileResult written = catalogue.saveChanges(m_program.data()); !written)
            m_program.reportFileError(written.error);
    }
    m_charges.stop();
    close();
    m_program.showMenu();
}

void InvoiceForm::showHelp() {
    m_program.desk().message(QString::fromUtf16(kApplicationTitle), StartMenu::helpLines(),
                             pellar::MessageButtons::Ok);
    pellar::ui::showHelpContents(billwrightHelp());
}

} // namespace invoicing
