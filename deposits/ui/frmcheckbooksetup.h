#pragma once
// Starting a checkbook file here, for a person without the check-writing program: the account
// and bank, the opening balance, the account number and the next check number, written in
// the checkbook file's own layout. Offered only when the file is missing from the data folder
// and its backup; a person who has the check-writing program closes it and the program ends.

#include <QMainWindow>

class QLineEdit;
class QSpinBox;

namespace pellar {
class Desk;
struct ProgramContext;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace deposits {

class frmCheckbookSetup : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCheckbookSetup(pellar::ProgramContext& context, QWidget* parent = nullptr);
    ~frmCheckbookSetup() override;

    // Each showing: empty boxes, the focus in the first.
    void activate();

signals:
    // The file is written; the start form is to be shown.
    void checkbookCreated();

private:
    void createClicked();
    void cancelClicked();

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_bank = nullptr;
    QLineEdit* m_balance = nullptr;
    QLineEdit* m_number = nullptr;
    QSpinBox* m_nextCheck = nullptr;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace deposits
