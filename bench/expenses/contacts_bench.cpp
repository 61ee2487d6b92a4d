// Ten thousand contacts on file: one click on the contacts form's ">" (the contact is
// written back, the lists are read again and the next contact is shown), and the contact
// report of them all saved as a PDF file. Run by hand:
//   build/bench/contacts_bench
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/printsurface.h"
#include "common/ui/printersurface.h"
#include "common/ui/programshell.h"
#include "expenses/core/contactreport.h"
#include "expenses/core/contacts.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/quietdesk.h"

namespace {

using pellar::bench::QuietDesk;

// With `wideFields`, every third contact fills its name, street and city line to the
// field's width, as a firm's full name and address do: too wide for the report's column.
void writeContacts(const pellar::DataFolder& data, int count, bool wideFields = false) {
    const QStringList cities{QStringLiteral("Springfield"), QStringLiteral("Riverton"),
                             QStringLiteral("Lakeside"), QStringLiteral("Fairview")};
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * expenses::kContactRecordLength);
    for (int i = 1; i <= count; ++i) {
        expenses::Contact c;
        c.account = QStringLiteral("AC-%1").arg(i);
        c.name = QStringLiteral("Payee %1 Supply").arg((i * 7919) % count, 5, 10, QLatin1Char('0'));
        c.address1 = QStringLiteral("%1 Main Street").arg(i);
        c.city = cities[i % cities.size()] + QString::number(i % 250);
        c.state = QStringLiteral("IL");
        c.postal = QStringLiteral("62701");
        c.telephone = QStringLiteral("217-555-%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
        c.category = QStringLiteral("Vendor");
        if (wideFields && i % 3 == 0) {
            c.name = QStringLiteral("Northwestern Wholesale %1 Distributors").arg(i);
            c.address1 = QStringLiteral("%1 North Industrial Parkway West").arg(i);
            c.city = QStringLiteral("Springfield Heights");
            c.postal = QStringLiteral("62701-%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
        }
        bytes += expenses::encodeContact(c);
    }
    QFile file(data.filePath(expenses::kContactsFile));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("The contacts could not be written.");
}

void NextContactWithTenThousand(benchmark::State& state) {
    QTemporaryDir dir;
    const pellar::DataFolder folder(dir.path());
    writeContacts(folder, 10000);

    QuietDesk desk;
    pellar::ProgramContext context(desk, folder);
    pellar::ProgramShell shell(context, expenses::spendlogProfile());
    shell.setEndAction([] {});
    auto* forms = new expenses::SpendlogForms(shell);
    forms->start();
    // With the expense form loaded, its payee list is refilled on every save as well.
    if (state.range(0) == 1)
        forms->expenses();
    expenses::frmContacts& contacts = forms->contacts();
    forms->showContacts(nullptr);
    // With the vendor list open, its view follows every reload too.
    if (state.range(1) == 1)
        contacts.findChild<QAction*>(QStringLiteral("mnuView"))->trigger();
    QCoreApplication::processEvents();

    // "cmdNav_2": the next contact.
    QPushButton* next = contacts.findChild<QPushButton*>(QStringLiteral("cmdNav_2"));
    for (auto _ : state) {
        next->click();
        QCoreApplication::processEvents();
    }
    state.counters["record"] = double(contacts.cursor().current());
    if (desk.messages != 0)
        state.SkipWithError("a message box was shown");
}
BENCHMARK(NextContactWithTenThousand)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->ArgNames({"expenseFormLoaded", "vendorListShown"})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// The report of every contact on file laid out and written to a PDF file, on the printer
// surface the program saves it with: 304 pages of text measured, cut to its column and drawn.
// Encoded and read back as the file holds them, so the wide fields are cut at their width.
void ContactReportPdfTenThousand(benchmark::State& state) {
    QTemporaryDir dir;
    const pellar::DataFolder folder(dir.path());
    writeContacts(folder, 10000, state.range(0) == 1);
    const expenses::ContactFile file = expenses::readContacts(folder);
    if (!file.problem.isEmpty())
        qFatal("The contacts could not be read.");
    const QString path = dir.filePath(QStringLiteral("Contacts.pdf"));
    const pellar::PrintJobSetup job = expenses::contactReportJob(folder, {{}, 1, path});

    int pages = 0;
    for (auto _ : state) {
        pellar::PrinterSurface surface(job);
        expenses::PrintContactReport(surface, file.contacts, QStringLiteral("12/6/2026"));
        pages = surface.page();
        if (!surface.endDoc())
            state.SkipWithError("the PDF file was not written");
    }
    state.counters["pages"] = double(pages);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(ContactReportPdfTenThousand)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("wideFields")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5.0);

} // namespace
