#include "deposits/ui/frmsetup.h"

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/programcontext.h"
#include "common/ui/alignmentpage.h"
#include "common/ui/keyboard.h"
#include "deposits/core/depositlinks.h"
#include "deposits/core/depositslip.h"
#include "deposits/core/formsordered.h"
#include "deposits/core/profileload.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/businessinfopanel.h"
#include "deposits/ui/formsorderpanel.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>

namespace deposits {

frmSetup::frmSetup(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Deposit Creation Setup Form"));

    m_business = new BusinessInfoPanel;
    m_forms = new FormsOrderPanel(m_context.web);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(m_business, tr("Business Info"));
    m_tabs->addTab(m_forms, tr("Forms"));
    m_alignment = new pellar::ui::AlignmentPage(
        m_context,
        {pellar::PrintedDocument::DepositSlipFront, pellar::PrintedDocument::DepositSlipBack},
        [this](pellar::PrintedDocument document, pellar::AlignmentOffsets offsets) {
            printTestPage(document, offsets);
        });
    m_tabs->addTab(m_alignment, tr("Print Alignment"));
    setCentralWidget(m_tabs);
    m_note = new pellar::ui::StatusNote(this);
    statusBar()->addWidget(m_note, 1);
    connect(m_business, &BusinessInfoPanel::addressStyleClicked, this, [this] {
        applyAddressStyle(m_style == AddressStyle::UnitedStates ? AddressStyle::International
                                                                : AddressStyle::UnitedStates);
    });
    connect(m_business, &BusinessInfoPanel::saveClicked, this, &frmSetup::quitClicked);
    // Alt+S saves from every tab. On the business tab its button's own letter does it, so
    // the shortcut stands aside there rather than make the key ambiguous - unless the
    // platform shows no button letters at all.
    auto* saveKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this);
    const bool buttonLetters = !QKeySequence::mnemonic(QStringLiteral("&S")).isEmpty();
    const auto placeSaveKey = [this, saveKey, buttonLetters] {
        saveKey->setEnabled(!buttonLetters || m_tabs->currentWidget() != m_business);
    };
    placeSaveKey();
    connect(saveKey, &QShortcut::activated, this, [this] {
        m_tabs->setCurrentWidget(m_business);
        quitClicked();
    });
    connect(m_tabs, &QTabWidget::currentChanged, saveKey, placeSaveKey);
    connect(m_forms, &FormsOrderPanel::saveClicked, this, &frmSetup::saveFormsOrdered);

    QAction* order = menuBar()->addAction(tr("&Order Forms"));
    order->setObjectName(QStringLiteral("mnuOrder"));
    connect(order, &QAction::triggered, this, [this] {
        if (const pellar::FileResult opened = showSupplierOrderNotice(m_context); !opened)
            tell(opened.error);
    });

    applyAddressStyle(AddressStyle::UnitedStates);
    resize(700, 560);

    LoadBusiness();
    LoadFormsOrdered();
}

frmSetup::~frmSetup() = default;

void frmSetup::tell(const QString& text) {
    m_desk.message(programTitle(), {text}, pellar::MessageButtons::Ok);
}

void frmSetup::LoadBusiness() {
    // Reads the nine-field file or converts the older eight-field one; whatever was found
    // is already saved again as the nine-field file when this returns.
    const DepositProfileLoad load = loadBusinessConverting(m_context.data);
    if (!load.read.found)
        return;
    m_profile = load.read.profile;
    ShowBusinessProfile();
    if (!load.read.problem.isEmpty())
        tell(load.read.problem);
    else if (!load.saved)
        tell(load.saved.error);
}

void frmSetup::ShowBusinessProfile() {
    m_business->showProfile(m_profile);
    applyAddressStyle(m_style);
}

bool frmSetup::SaveBusiness() {
    const pellar::BusinessProfile profile = m_business->profile();
    bool keptOther = false;
    if (const pellar::FileResult saved = pellar::saveProfileAsking(
            m_desk, programTitle(), m_context.data, m_profile, profile, true, &keptOther);
        !saved) {
        tell(saved.error);
        return false;
    }
    if (keptOther) {
        // The other program's profile stays; the form shows it for another look.
        ShowBusinessProfile();
        return false;
    }
    m_profile = profile;
    return true;
}

void frmSetup::ChooseAddressStyle() {
    applyAddressStyle(chooseAddressStyle(m_profile.name, m_profile.zip, m_style));
}

void frmSetup::LoadFormsOrdered() {
    if (const std::optional<FormsOrder> order = readFormsOrder(m_context.data)) {
        m_forms->showOrder(*order);
        m_forms->showInstructions(false);
    } else {
        // A new user sees how to order the forms first.
        m_forms->showInstructions(true);
        m_tabs->setCurrentIndex(1);
    }
}

void frmSetup::activate() {
    ChooseAddressStyle();
    if (m_tabs->currentIndex() == 0)
        m_business->focusName();
}

void frmSetup::applyAddressStyle(AddressStyle style) {
    m_style = style;
    // The United States layout shows the postal code as last loaded or saved, not what was
    // typed before a switch.
    m_business->showAddressStyle(style, m_profile.zip);
}

void frmSetup::saveFormsOrdered() {
    if (const pellar::FileResult written = writeFormsOrder(m_context.data, m_forms->order());
        !written)
        tell(written.error);
}

void frmSetup::quitClicked() {
    if (m_business->nameEmpty()) {
        pellar::ui::refuse(m_desk, m_note,
                           tr("Type the company name first: it is needed to save."));
        m_business->focusName();
        return;
    }
    if (!SaveBusiness())
        return;
    hide();
    emit menuWanted();
}

void frmSetup::printTestPage(pellar::PrintedDocument document, pellar::AlignmentOffsets offsets) {
    const bool front = document == pellar::PrintedDocument::DepositSlipFront;
    const QDate today = m_desk.today();
    const std::optional<pellar::PrinterChoice> printer =
        pellar::chooseTestPageOutput(m_context, programTitle());
    if (!printer)
        return;
    const pellar::PrintOutcome printed = pellar::printAlignmentTestPage(
        m_desk, front ? depositSlipFront(today) : depositSlipBack(today), offsets, *printer,
        front ? outlineFrontFields : outlineBackFields);
    if (!printed)
        tell(printed.error);
}

} // namespace deposits
