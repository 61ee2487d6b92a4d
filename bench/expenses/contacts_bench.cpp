// One click on the contacts form's ">" with ten thousand contacts on file: the contact is
// written back, the lists are read again and the next contact is shown. Run by hand:
//   build/bench/contacts_bench
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/printsurface.h"
#include "common/ui/programshell.h"
#include "expenses/core/contacts.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/quietdesk.h"

namespace {

using pellar::bench::QuietDesk;

void writeContacts(const pellar::DataFolder& data, int count) {
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
