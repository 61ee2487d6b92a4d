#include "common/core/datafoldernotice.h"

#include "common/core/programcontext.h"

#include <QCoreApplication>
#include <QDir>

namespace pellar {

void showDataFolder(ProgramContext& context) {
    const QString path = QDir::toNativeSeparators(context.data.path());
    const MessageAnswer answer = context.desk.message(
        QCoreApplication::translate("DataFolderNotice", "Data Folder"),
        {QCoreApplication::translate("DataFolderNotice", "The data files are kept in the folder"),
         path, QString(),
         QCoreApplication::translate("DataFolderNotice", "Click Yes to open the folder")},
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes && !context.desk.openFolder(context.data.path()))
        context.desk.message(
            QCoreApplication::translate("DataFolderNotice", "Data Folder"),
            {QCoreApplication::translate("DataFolderNotice",
                                         "No program could be started to open the folder."),
             QCoreApplication::translate("DataFolderNotice",
                                         "Its path, to copy into a file manager:"),
             path},
            MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace pellar
