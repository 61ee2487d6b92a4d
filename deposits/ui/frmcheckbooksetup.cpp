#include "deposits/ui/frmcheckbooksetup.h"

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/slipmakerinfo.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace deposits {

frmCheckbookSetup::frmCheckbookSetup(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmCheckbookSetup"));
    setWindowTitle(tr("Set Up a Checkbook File"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(18, 14, 18, 12);
    outer->setSpacing(10);
    outer->addWidget(pellar::ui::makeNote(
        central, tr("Slipmaker adds each deposit to the balance kept in the checkbook file "
                    "CheckbookInfo.txt in %1. Enter the account it is for; the opening "
                    "balance is the account's balance today.")
                     .arg(QDir::toNativeSeparators(context.data.path()))));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    const auto box = [central](const char* name, const QString& tip, int length) {
        QLineEdit* edit = pellar::ui::makeBox(central, QString::fromLatin1(name), tip);
        edit->setMaxLength(length);
        edit->setMinimumWidth(260);
        return edit;
    };
    m_account = box("txtAccountName", tr("The account's name, as you call it"), 40);
    m_bank = box("txtBankName", tr("The bank that holds the account"), 40);
    m_balance = box("txtOpeningBalance", tr("The account's balance today"), 20);
    m_number = box("txtAccountNumber", tr("The account number on your checks"), 20);
    m_nextCheck = pellar::ui::named(new QSpinBox(central), QStringLiteral("spnNextCheck"));
    m_nextCheck->setRange(1, 32767);
    m_nextCheck->setToolTip(tr("The number of the next check you will write"));
    const auto row = [&](const char* name, const QString& caption, QWidget* field) {
        form->addRow(pellar::ui::makeLabel(central, QString::fromLatin1(name), caption, field),
                     field);
    };
    row("lblAccountName", tr("&Account name:"), m_account);
    row("lblBankName", tr("&Bank name:"), m_bank);
    row("lblOpeningBalance", tr("&Opening balance:"), m_balance);
    row("lblAccountNumber", tr("Account &number:"), m_number);
    row("lblNextCheck", tr("Next c&heck number:"), m_nextCheck);
    outer->addLayout(form);

    m_note = new pellar::ui::StatusNote(central);
    m_note->setWordWrap(true);
    outer->addWidget(m_note);
    outer->addStretch(1);

    QPushButton* create = pellar::ui::makeButton(
        central, QStringLiteral("cmdCreateCheckbook"), tr("&Create Checkbook File"),
        tr("Writes CheckbookInfo.txt and goes on to Slipmaker"));
    create->setDefault(true);
    create->setAutoDefault(true);
    QPushButton* cancel =
        pellar::ui::makeButton(central, QStringLiteral("cmdCancelCheckbook"), tr("E&xit"),
                               tr("Ends Slipmaker without a checkbook file"));
    cancel->setAutoDefault(true);
    for (QLineEdit* edit : {m_account, m_bank, m_balance, m_number})
        pellar::ui::returnGoesOn(edit);
    pellar::ui::returnGoesOn(m_nextCheck, create);
    connect(create, &QPushButton::clicked, this, &frmCheckbookSetup::createClicked);
    connect(cancel, &QPushButton::clicked, this, &frmCheckbookSetup::cancelClicked);
    connect(m_balance, &QLineEdit::editingFinished, this, [this] {
        if (const auto amount = pellar::currencyValue(m_balance->text()))
            m_balance->setText(pellar::formatCurrency(*amount));
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(create);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    resize(480, sizeHint().height());
}

frmCheckbookSetup::~frmCheckbookSetup() = default;

void frmCheckbookSetup::activate() {
    for (QLineEdit* edit : {m_account, m_bank, m_balance, m_number})
        edit->clear();
    m_nextCheck->setValue(1001);
    m_note->clearNote();
    m_account->setFocus();
}

void frmCheckbookSetup::createClicked() {
    const std::optional<pellar::Currency> balance = pellar::currencyValue(m_balance->text());
    if (!balance) {
        m_balance->setFocus();
        pellar::ui::refuse(
            m_desk, m_note,
            tr("Enter the opening balance as an amount, such as %1.")
                .arg(pellar::formatCurrency(pellar::Currency::fromUnits(12'345'000))));
        return;
    }
    if (m_account->text().trimmed().isEmpty()) {
        m_account->setFocus();
        pellar::ui::refuse(m_desk, m_note, tr("Enter the account's name."));
        return;
    }
    CheckbookStart start;
    start.accountName = m_account->text();
    start.bankName = m_bank->text();
    start.openingBalance = *balance;
    start.accountNumber = m_number->text();
    start.nextCheck = qint16(m_nextCheck->value());
    QString problem;
    const std::optional<CheckbookRecord> record = newCheckbookRecord(start, &problem);
    if (!record) {
        pellar::ui::refuse(m_desk, m_note, problem);
        return;
    }
    if (const pellar::FileResult written = createCheckbook(m_context.data, *record); !written) {
        m_desk.message(programTitle(), {written.error, tr("The checkbook file was not written.")},
                       pellar::MessageButtons::Ok);
        // A file that is there by now (made meanwhile) is the one to work with.
        if (readCheckbook(m_context.data).status != CheckbookRead::Status::Loaded)
            return;
    }
    hide();
    emit checkbookCreated();
}

void frmCheckbookSetup::cancelClicked() {
    m_context.exitProgram();
}

} // namespace deposits
