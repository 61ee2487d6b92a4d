#include "deposits/ui/printscreenpanel.h"

#include "common/ui/tinted.h"
#include "common/ui/keyboard.h"
#include "common/core/regional.h"
#include "deposits/core/depositdraft.h"
#include "deposits/core/formpictures.h"
#include "deposits/ui/depositformwidgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

using namespace depositwidgets;

namespace {

// The pre-printed sheet and where things land on it.
QLayout* sheetPicture(QWidget* parent) {
    const QSize pictureSize(170, 220);
    auto* picture = new QLabel(parent);
    picture->setPixmap(depositTicketPicture(pictureSize));
    picture->setFixedSize(pictureSize);
    QLabel* leadingEdge =
        text(QCoreApplication::translate("PrintScreenPanel", "Leading Edge"), parent);
    QLabel* ticketNote =
        text(QCoreApplication::translate("PrintScreenPanel", "Ck No's Print Here"), parent);
    QLabel* journalNote =
        text(QCoreApplication::translate("PrintScreenPanel", "Sales Journal Prints Here"), parent);
    // Arrows from the notes to the part of the sheet they name.
    QLabel* intoPrinter = text(QStringLiteral("\u25B2"), parent);
    QLabel* toTicket = text(QStringLiteral("\u25C0"), parent);
    QLabel* toJournal = text(QStringLiteral("\u25C0"), parent);
    for (QLabel* note : {leadingEdge, ticketNote, journalNote, intoPrinter, toTicket, toJournal}) {
        note->setFont(scaled(parent->font(), 0.9, false));
        pellar::ui::tinted(note, pellar::Tint::Notice);
    }
    auto* edge = new QVBoxLayout;
    edge->setSpacing(0);
    edge->addWidget(leadingEdge, 0, Qt::AlignHCenter);
    edge->addWidget(intoPrinter, 0, Qt::AlignHCenter);
    const auto note = [](QLabel* arrow, QLabel* caption) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(arrow);
        row->addWidget(caption);
        row->addStretch(1);
        return row;
    };
    auto* sheet = new QGridLayout;
    sheet->setHorizontalSpacing(6);
    sheet->setVerticalSpacing(2);
    sheet->addLayout(edge, 0, 0);
    sheet->addWidget(picture, 1, 0, 2, 1);
    sheet->addLayout(note(toTicket, ticketNote), 1, 1, Qt::AlignVCenter);
    sheet->addLayout(note(toJournal, journalNote), 2, 1, Qt::AlignVCenter);
    // The ticket takes the top two-fifths of the sheet, the journal the rest.
    sheet->setRowStretch(1, 2);
    sheet->setRowStretch(2, 3);
    return sheet;
}

} // namespace

PrintScreenPanel::PrintScreenPanel(QWidget* parent)
    : QGroupBox(tr("Deposit Summary Report Form"), parent) {
    setObjectName(QStringLiteral("fraDepositSummary"));

    QLabel* orderNumber = text(tr("(Deluxe  #  80200)"), this);
    orderNumber->setFont(scaled(font(), 1.0, true));
    QLabel* clickPrint = text(tr("Click Print"), this);
    clickPrint->setFont(scaled(font(), 1.3, true));
    m_deposit = namedLabel(QStringLiteral("lblNewDepositPrint"), QStringLiteral("0.00"), this);
    m_deposit->setFont(scaled(font(), 1.6, true));
    QLabel* insert = namedLabel(QStringLiteral("lblDeposit_1"),
                                tr("Insert a pre-printed Deposit Form into the Printer"), this);
    insert->setWordWrap(true);
    pellar::ui::tinted(insert, pellar::Tint::Warning);
    insert->setFont(scaled(font(), 1.0, true));

    m_print = button(QStringLiteral("cmdDepositContinue"), tr("&Print"),
                     tr("Print the Deposit Slip and Summary"), this);
    QPushButton* redo =
        button(QStringLiteral("cmdDepositCreation_6"), tr("&Redo Deposit"), tr("Start over"), this);
    QPushButton* preview =
        button(QStringLiteral("cmdPrintPreview"), tr("Print Pre&view"),
               tr("Shows the Deposit Slip and Summary as they will print"), this);
    pellar::ui::printKeys(m_print, preview);
    QPushButton* pdf = button(QStringLiteral("cmdSaveAsPdf"), tr("Save as P&DF"),
                              tr("Saves the Deposit Slip and Summary to a PDF file"), this);
    m_print->setMinimumWidth(redo->sizeHint().width());
    connect(m_print, &QPushButton::clicked, this, &PrintScreenPanel::printClicked);
    connect(preview, &QPushButton::clicked, this, &PrintScreenPanel::previewClicked);
    connect(pdf, &QPushButton::clicked, this, &PrintScreenPanel::savePdfClicked);
    connect(redo, &QPushButton::clicked, this, &PrintScreenPanel::redoClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(preview);
    buttons->addWidget(pdf);
    buttons->addWidget(redo);

    auto* side = new QVBoxLayout;
    side->setSpacing(10);
    side->addWidget(orderNumber);
    side->addSpacing(8);
    side->addWidget(clickPrint);
    side->addWidget(m_deposit);
    side->addStretch(1);
    side->addWidget(insert);
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(24);
    layout->addLayout(sheetPicture(this));
    layout->addLayout(side, 1);
}

void PrintScreenPanel::showDraft(const DepositDraft& draft) {
    if (draft.step() == DepositDraft::Step::CashBack || draft.step() == DepositDraft::Step::Print)
        m_deposit->setText(pellar::formatCurrency(draft.net()));
}

void PrintScreenPanel::focusPrint() {
    m_print->setFocus();
}

} // namespace deposits
