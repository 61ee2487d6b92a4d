// Slipmaker, the deposit-slip program.
#include "common/ui/program.h"
#include "common/ui/realdesk.h"
#include "deposits/ui/slipmaker.h"
#include "deposits/core/slipmakerinfo.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString title = deposits::programTitle();
    QApplication::setApplicationName(title);
    pellar::RealDesk desk;
    QString error;
    if (!pellar::prepareProgram(pellar::ProgramKind::Slipmaker, app.arguments(), desk, &error)) {
        desk.message(title, {error}, pellar::MessageButtons::Ok, pellar::MessageIcon::None);
        return 2;
    }
    pellar::SingleInstanceGuard guard(title);
    if (!pellar::CheckSingleInstance(desk, guard, title))
        return 0;
    deposits::Slipmaker program(desk, pellar::WebConfig::forThisProgram());
    if (!program.start())
        return 0;
    return app.exec();
}
