#pragma once
// The frame "fraAlignment" of the contacts form: where the person moves the printed contact
// report right or down to suit a printer, tries it on a test page and keeps the offsets.

#include "common/ui/alignmentpage.h"

#include <QGroupBox>

class QPushButton;

namespace expenses {

class ReportAlignmentPanel : public QGroupBox {
    Q_OBJECT
public:
    ReportAlignmentPanel(pellar::ProgramContext& context,
                         pellar::ui::AlignmentPage::TestPage testPage, QWidget* parent);

    void focusFirst();
    QList<QWidget*> tabChain() const;

signals:
    void doneClicked();

private:
    pellar::ui::AlignmentPage* m_page;
    QPushButton* m_done;
};

} // namespace expenses
