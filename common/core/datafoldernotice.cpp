#include "common/core/datafoldernotice.h"

#include "common/core/programcontext.h"

#include <QDir>

namespace pellar {

void showDataFolder(ProgramContext& context) {
    const QString path = QDir::toNativeSeparators(context.data.path());
    const MessageAnswer answer = context.desk.message(
        QStringLiteral("Data Folder"),
        {QStringLiteral("The data files are kept in the folder"), path, QString(),
         QStringLiteral("Click Yes to open the folder")},
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes && !context.desk.openFolder(context.data.path()))
        context.desk.message(QStringLiteral("Data Folder"),
                             {QStringLiteral("No program could be started to open the folder."),
                              QStringLiteral("Its path, to copy into a file manager:"), path},
                             MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace pellar
