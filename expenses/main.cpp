// PellarSpendlogFREE: records the business's payments. It starts straight in its start form.
#include "common/ui/program.h"
#include "common/ui/realdesk.h"
#include "common/core/weblinks.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(expenses::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(SPENDLOG_VERSION));

    pellar::RealDesk desk;
    QString error;
    if (!pellar::prepareProgram(pellar::ProgramKind::Spendlog, app.arguments(), desk, &error)) {
        pellar::ShowMessage(desk, error, QString::fromUtf16(expenses::kProgramTitle));
        return 2;
    }
    expenses::SpendlogForms forms(desk, pellar::WebConfig::forThisProgram());
    forms.start();
    return app.exec();
}
