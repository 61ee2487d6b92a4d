// The contacts form's printed report: on paper, on the screen, as a PDF, and the alignment
// test page that shows where its blocks will land.
#include "expenses/ui/frmcontacts.h"

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "expenses/core/contactreport.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/reportalignmentpanel.h"
#include "expenses/ui/spendlogforms.h"

#include <QCoreApplication>
#include <QDir>

namespace expenses {

namespace {

void tellPrintError(pellar::Desk& desk) {
    desk.message(QCoreApplication::translate("frmContacts", "Print Error"),
                 {QCoreApplication::translate("frmContacts", "A Print Error has occurred")},
                 pellar::MessageButtons::Ok);
}

} // namespace

std::optional<QList<Contact>> frmContacts::contactsForReport() {
    // The report prints the file as it is now.
    const ContactFile file = readContacts(m_forms.data());
    if (!file.problem.isEmpty()) {
        reportFileProblem(m_forms.desk(), file.problem);
        return std::nullopt;
    }
    return file.contacts;
}

void frmContacts::printContactReport() {
    pellar::Desk& desk = m_forms.desk();
    if (desk.message(tr("Contact Report"), {tr("Click Yes to print a Contact Report")},
                     pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
        return;
    // Without a printer the job would only go to a file the person never named.
    if (!desk.printerAvailable()) {
        if (pellar::offerPdfWithoutPrinter(desk, QString::fromUtf16(kProgramTitle),
                                           tr("Contact Report")))
            saveContactReportAsPdf();
        return;
    }
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_forms.context());
    if (!printer)
        return;
    const std::optional<QList<Contact>> contacts = contactsForReport();
    if (!contacts)
        return;
    const QString date = pellar::formatShortDate(desk.today());
    const pellar::PrintOutcome printed = pellar::runPrintJob(
        desk, contactReportJob(m_forms.data(), *printer),
        [&](pellar::PrintSurface& surface) { PrintContactReport(surface, *contacts, date); });
    if (!printed)
        tellPrintError(desk);
}

void frmContacts::previewContactReport() {
    const std::optional<QList<Contact>> contacts = contactsForReport();
    if (!contacts)
        return;
    pellar::Desk& desk = m_forms.desk();
    const QString date = pellar::formatShortDate(desk.today());
    desk.previewPrint(
        contactReportJob(m_forms.data(), m_forms.context().printer),
        [&](pellar::PrintSurface& surface) { PrintContactReport(surface, *contacts, date); });
}

void frmContacts::saveContactReportAsPdf() {
    const std::optional<QList<Contact>> contacts = contactsForReport();
    if (!contacts)
        return;
    pellar::Desk& desk = m_forms.desk();
    const QString date = pellar::formatShortDate(desk.today());
    // The save dialog starts among the person's documents, not wherever the program was
    // started from.
    pellar::PrintedDocumentKind kind = contactReportKind();
    kind.pdfFileName = pellar::inDocumentsFolder(kind.pdfFileName);
    const pellar::PdfOutcome saved =
        pellar::saveDocumentAsPdf(desk, m_forms.data(), kind, [&](pellar::PrintSurface& surface) {
            PrintContactReport(surface, *contacts, date);
        });
    if (saved.written)
        m_note->say(
            tr("The contact report was saved as %1").arg(QDir::toNativeSeparators(saved.fileName)));
    else if (!saved.cancelled)
        tellPrintError(desk);
}

void frmContacts::showAlignment(bool visible) {
    m_results->setVisible(!visible);
    m_alignment->setVisible(visible);
    if (visible)
        m_alignment->focusFirst();
    else
        m_results->focusGrid();
    fitWindow();
}

void frmContacts::printAlignmentTest(pellar::AlignmentOffsets offsets) {
    pellar::Desk& desk = m_forms.desk();
    if (!desk.printerAvailable()) {
        desk.message(QString::fromUtf16(kProgramTitle),
                     {tr("No printer is set up on this computer.")}, pellar::MessageButtons::Ok);
        return;
    }
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_forms.context());
    if (!printer)
        return;
    if (!pellar::printAlignmentTestPage(desk, contactReportKind(), offsets, *printer,
                                        PrintContactReportOutlines))
        tellPrintError(desk);
}

} // namespace expenses
