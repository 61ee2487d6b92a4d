#pragma once
// "Deposit Summary Report Form": the print screen, with a picture of the pre-printed sheet
// showing where the ticket and the summary land.

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace deposits {

class DepositDraft;

class PrintScreenPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PrintScreenPanel(QWidget* parent);

    // The amount that goes to the bank: after cash back, the net. Before the cash-back step
    // the panel keeps what it showed.
    void showDraft(const DepositDraft& draft);
    void focusPrint();

signals:
    void printClicked();
    void previewClicked();
    void savePdfClicked();
    void redoClicked();

private:
    QLabel* m_deposit = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace deposits
