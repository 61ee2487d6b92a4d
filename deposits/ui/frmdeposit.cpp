#include "deposits/ui/frmdeposit.h"

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"

#include <QLabel>

namespace deposits {

namespace {

QString notRead() {
    return QStringLiteral("The checkbook data file CheckbookInfo.txt has not been read.");
}

} // namespace

frmDeposit::frmDeposit(pellar::ProgramContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_desk(context.desk)
    , m_bankProblem(notRead()) {
    setObjectName(QStringLiteral("frmDeposit"));
    setWindowTitle(QStringLiteral("Deposit Creation"));
    buildScreen();
    ResetDeposit();
    resize(sizeHint());
}

frmDeposit::~frmDeposit() = default;

void frmDeposit::returnToMenu() {
    hide();
    emit menuWanted();
}

bool frmDeposit::activate() {
    ResetDeposit();
    if (LoadBank())
        return true;
    if (!m_context.exiting())
        returnToMenu();
    return false;
}

bool frmDeposit::LoadBank() {
    const CheckbookRead read = readCheckbook(m_context.data);
    switch (read.status) {
    case CheckbookRead::Status::Loaded:
        m_bank = read.record;
        m_bankTrusted = true;
        m_bankProblem.clear();
        return true;
    case CheckbookRead::Status::Missing:
        m_bankTrusted = false;
        m_bankProblem = notRead();
        m_desk.message(programTitle(),
                       {QStringLiteral("You need to create your Checkbook Data file"),
                        QStringLiteral("Using the PellarWriter Program")},
                       pellar::MessageButtons::Ok);
        m_context.exitProgram();
        return false;
    case CheckbookRead::Status::Damaged:
        break;
    }
    // The balance on file cannot be read, so nothing may be added to it or written over it.
    m_bankTrusted = false;
    m_bankProblem = read.problem;
    m_desk.message(
        programTitle(),
        {read.problem, QStringLiteral("No deposit can be recorded until the file is repaired "
                                      "with the PellarWriter Program.")},
        pellar::MessageButtons::Ok);
    return false;
}

pellar::FileResult frmDeposit::SaveBank() {
    if (!m_bankTrusted)
        return pellar::FileResult::failure(m_bankProblem);
    const std::optional<pellar::Currency> deposit = pellar::currencyValue(lblNewDeposit->text());
    if (!deposit)
        return pellar::FileResult::failure(
            QStringLiteral("The new deposit \"%1\" is not an amount of money; the checkbook "
                           "balance was not changed.")
                .arg(lblNewDeposit->text()));
    QString problem;
    const std::optional<CheckbookRecord> updated = withDepositAdded(m_bank, *deposit, &problem);
    if (!updated)
        return pellar::FileResult::failure(problem);
    if (pellar::FileResult written = writeCheckbook(m_context.data, *updated); !written)
        return written;
    m_bank = *updated;
    return pellar::FileResult::success();
}

pellar::FileResult frmDeposit::WriteTransaction(const QString& description, pellar::Currency amount,
                                                QDate date) {
    if (!m_bankTrusted)
        return pellar::FileResult::failure(m_bankProblem);
    return appendTransaction(m_context.data, date, description, amount);
}

bool frmDeposit::depositCanBeRecorded() {
    QString why = m_bankTrusted ? transactionLogRefusal(m_context.data) : m_bankProblem;
    // A balance that could not take the deposit is found out now, before anything is
    // printed or written.
    if (why.isEmpty()) {
        if (const std::optional<pellar::Currency> deposit =
                pellar::currencyValue(lblNewDeposit->text()))
            withDepositAdded(m_bank, *deposit, &why);
    }
    if (why.isEmpty())
        return true;
    m_desk.message(programTitle(), {why}, pellar::MessageButtons::Ok);
    return false;
}

} // namespace deposits
