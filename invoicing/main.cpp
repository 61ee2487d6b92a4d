// Billwright, the invoicing program.
#include "common/ui/program.h"
#include "common/ui/realdesk.h"
#include "common/core/weblinks.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString title = QString::fromUtf16(invoicing::kApplicationTitle);
    QApplication::setApplicationName(title);
    QApplication::setApplicationVersion(invoicing::billwrightVersion());

    pellar::RealDesk desk;
    QString error;
    if (!pellar::prepareProgram(pellar::ProgramKind::Billwright, app.arguments(), desk, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    pellar::SingleInstanceGuard guard(title);
    if (!pellar::CheckSingleInstance(desk, guard, title))
        return 0;

    invoicing::Billwright program(desk, pellar::WebConfig::forThisProgram());
    program.setInvoiceFormFactory(
        [](invoicing::Billwright& billwright) { return new invoicing::frmInvoice(billwright); });
    program.start();
    return app.exec();
}
