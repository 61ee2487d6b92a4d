#include "expenses/ui/splitsummary.h"

#include "common/ui/widgets.h"
#include "expenses/core/splitlinesmodel.h"
#include "expenses/ui/proportionalcolumns.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace expenses {

SplitSummary::SplitSummary(QWidget* parent)
    : QGroupBox(tr("Summary of Disbursement"), parent)
    , m_model(new SplitLinesModel(this)) {
    setObjectName(QStringLiteral("fraSplit"));
    setAutoFillBackground(true);
    m_lines = pellar::ui::named(new QTableView(this), QStringLiteral("fgSplit"));
    m_lines->setModel(m_model);
    m_lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines->setSelectionMode(QAbstractItemView::NoSelection);
    m_lines->verticalHeader()->hide();
    m_lines->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_lines->verticalHeader()->setDefaultSectionSize(m_lines->fontMetrics().height() + 6);
    // Columns in the proportion 35 : 10 characters.
    new ProportionalColumns(m_lines, {35, 10});

    m_redo = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_9"), tr("Red&o"),
                                    tr("Redo the Expense Posting"));
    m_continue = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_10"), tr("Cont&inue"),
                                        tr("Continue to enter disbursed expense"));
    for (QPushButton* button : {m_redo, m_continue})
        button->setAutoDefault(false);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_lines, 0, 0, 1, 3);
    layout->addWidget(pellar::ui::makeNote(this, tr("Review the Disbursment Entries If "
                                                    "correct, click Continue      "
                                                    "Click Redo if incorrect")),
                      1, 0, 1, 3);
    layout->addWidget(m_redo, 2, 1);
    layout->addWidget(m_continue, 2, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);

    connect(m_redo, &QPushButton::clicked, this, &SplitSummary::redoClicked);
    connect(m_continue, &QPushButton::clicked, this, &SplitSummary::continueClicked);
}

void SplitSummary::showLines(const QList<SplitLine>& lines) {
    m_model->setLines(lines);
    m_lines->scrollToBottom();
}

void SplitSummary::showOver(const QWidget* frame) {
    show();
    follow(frame);
    m_continue->setFocus();
}

void SplitSummary::follow(const QWidget* frame) {
    if (isHidden())
        return;
    setGeometry(frame->geometry());
    raise();
}

} // namespace expenses
