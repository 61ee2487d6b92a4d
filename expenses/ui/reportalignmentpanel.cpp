#include "expenses/ui/reportalignmentpanel.h"

#include "common/ui/widgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace expenses {

ReportAlignmentPanel::ReportAlignmentPanel(pellar::ProgramContext& context,
                                           pellar::ui::AlignmentPage::TestPage testPage,
                                           QWidget* parent)
    : QGroupBox(tr("Printer Alignment"), parent)
    , m_page(new pellar::ui::AlignmentPage(context, {pellar::PrintedDocument::ContactReport},
                                           std::move(testPage), this)) {
    setObjectName(QStringLiteral("fraAlignment"));
    m_done = pellar::ui::makeButton(this, QStringLiteral("cmdAlignmentDone"), tr("&Done"),
                                    tr("Returns to the Contact List"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addLayout(buttons);
    connect(m_done, &QPushButton::clicked, this, &ReportAlignmentPanel::doneClicked);
}

QList<QWidget*> ReportAlignmentPanel::tabChain() const {
    QList<QWidget*> chain;
    for (const char* name :
         {"spnAlignRight_0", "spnAlignDown_0", "cmdAlignTest_0", "cmdSaveAlignment"}) {
        if (auto* widget = m_page->findChild<QWidget*>(QString::fromLatin1(name)))
            chain.append(widget);
    }
    chain.append(m_done);
    return chain;
}

void ReportAlignmentPanel::focusFirst() {
    if (auto* box = m_page->findChild<QSpinBox*>(QStringLiteral("spnAlignRight_0")))
        box->setFocus();
}

} // namespace expenses
