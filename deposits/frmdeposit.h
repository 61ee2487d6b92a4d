#pragma once
// The deposit form: where one bank deposit is put together, printed and, once the person
// confirms it, logged and added to the checkbook balance. This part holds the form's bank
// data: the checkbook record it works against and the operations on the two files.

#include "common/currency.h"
#include "common/fileresult.h"
#include "deposits/checkbook.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QPushButton;

namespace pellar {
class Desk;
}

namespace deposits {

class frmDeposit : public QWidget {
    Q_OBJECT
public:
    explicit frmDeposit(pellar::Desk& desk, QWidget* parent = nullptr);
    ~frmDeposit() override;

    // Every showing of the form: back to the first step, then the checkbook data. False when
    // the data could not be had; the program is then ending (no file) or the form has gone
    // back to the menu (a damaged file).
    bool activate();

    // Reads the checkbook data file into the form. No file: the person is told, and the
    // program ends. A damaged file: the person is told which file and what is wrong, and no
    // deposit can be recorded until a good file is read. True when the data was read.
    bool LoadBank();
    // Adds the new deposit (the caption of lblNewDeposit) to the balance and replaces the
    // checkbook data file. Refused, with nothing written, when the file read last was not
    // trustworthy or the caption is not an amount.
    pellar::FileResult SaveBank();
    // Appends one record to the transactions log. Refused, with nothing written, when the
    // checkbook data is not trustworthy or the log is full.
    pellar::FileResult WriteTransaction(const QString& description, pellar::Currency amount,
                                        QDate date);

    // Asked before a deposit is printed: false, after telling the person why, when the
    // deposit could not be recorded afterwards (damaged checkbook data, a full log).
    bool depositCanBeRecorded();

    bool bankLoaded() const { return m_bankTrusted; }
    const CheckbookRecord& bankRecord() const { return m_bank; }

    // The net deposit after any cash back, in the regional currency format.
    QLabel* lblNewDeposit = nullptr;
    QPushButton* cmdMenu = nullptr;

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    void buildScreen();
    void ResetDeposit();
    void returnToMenu();

    pellar::Desk& m_desk;
    CheckbookRecord m_bank;
    bool m_bankTrusted = false;
    QString m_bankProblem; // why the form's checkbook data is not to be trusted
};

} // namespace deposits
