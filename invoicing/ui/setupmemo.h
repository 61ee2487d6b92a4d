#pragma once
// The setup form's memo page: the text printed in the memo band of every invoice, edited
// here and kept in the memo file, with a note of how many of its printed lines fit.

#include "invoicing/core/invoicepagelayout.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTimer;

namespace invoicing {

class Billwright;

// How the memo fills the band when printed, measured with a PDF printer's metrics.
MemoFit measureMemo(const QStringList& memo);

class SetupMemoPage : public QWidget {
    Q_OBJECT

public:
    explicit SetupMemoPage(Billwright& program);
    // The memo file as it is now (it may have been edited elsewhere meanwhile).
    void showMemo();
    QStringList lines() const;
    bool edited() const { return m_edited; }
    // Writes the memo file when the memo was edited here; the error when it could not be.
    QString save();
    QWidget* editor() const;

private:
    void showFit();

    Billwright& m_program;
    QPlainTextEdit* m_memo = nullptr; // txtMemo
    QLabel* m_fit = nullptr;          // lblMemoFit
    QTimer* m_measure = nullptr;
    bool m_edited = false;
    bool m_showing = false;
};

} // namespace invoicing
