#include "invoicing/ui/setupmemo.h"

#include "common/ui/printersurface.h"
#include "common/ui/widgets.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace invoicing {

MemoFit measureMemo(const QStringList& memo) {
    // A PDF job that is never finished: it measures as a printer does, with no printer.
    QTemporaryDir scratch;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch.filePath(QStringLiteral("memo.pdf")));
    pellar::PrinterSurface surface(printer, pellar::PrintJobSetup{});
    surface.setFontName(QString::fromLatin1(kInvoiceFontName));
    const MemoFit fit = fitInvoiceMemo(surface, memo);
    surface.abort();
    return fit;
}

SetupMemoPage::SetupMemoPage(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("pgMemo"));
    m_memo = pellar::ui::named(new QPlainTextEdit(this), QStringLiteral("txtMemo"));
    m_memo->setToolTip(tr("Printed at the foot of every Invoice"));
    m_memo->setTabChangesFocus(true);
    m_fit = pellar::ui::makeNote(this, QString());
    m_fit->setObjectName(QStringLiteral("lblMemoFit"));
    // Measuring opens a print job, so it waits for a pause in the typing.
    m_measure = new QTimer(this);
    m_measure->setSingleShot(true);
    m_measure->setInterval(300);
    connect(m_measure, &QTimer::timeout, this, &SetupMemoPage::showFit);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing)
            return;
        m_edited = true;
        m_measure->start();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        pellar::ui::makeNote(this, tr("This memo is printed at the foot of every Invoice.")));
    layout->addWidget(m_memo, 1);
    layout->addWidget(m_fit);
}

void SetupMemoPage::showMemo() {
    const MemoRead read = readInvoiceMemo(m_program.data());
    m_showing = true;
    m_memo->setPlainText(read.lines.join(u'\n'));
    m_showing = false;
    m_edited = false;
    showFit();
    // A memo that could not be read is not written over unless the person edits it.
    if (!read.problem.isEmpty())
        m_fit->setText(read.problem);
}

QStringList SetupMemoPage::lines() const {
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void SetupMemoPage::showFit() {
    m_measure->stop();
    const MemoFit fit = measureMemo(lines());
    if (fit.all())
        m_fit->setText(tr("The memo uses %1 of the %2 printed lines that fit on the "
                          "invoice.")
                           .arg(fit.lines)
                           .arg(fit.room));
    else
        m_fit->setText(tr("The memo takes %1 printed lines, but only %2 fit on the "
                          "invoice: the last %3 will be left off.")
                           .arg(fit.lines)
                           .arg(fit.room)
                           .arg(fit.lines - fit.fitting));
}

QString SetupMemoPage::save() {
    if (!m_edited)
        return {};
    if (const pellar::FileResult saved = saveInvoiceMemo(m_program.data(), lines()); !saved)
        return saved.error;
    m_edited = false;
    return {};
}

QWidget* SetupMemoPage::editor() const {
    return m_memo;
}

} // namespace invoicing
