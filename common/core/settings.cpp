#include "common/core/settings.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/folderlock.h"
#include "common/core/records.h"

#include <QCoreApplication>

namespace pellar {

ProgramSettings LoadSettings(const DataFolder& folder) {
    ProgramSettings settings;
    if (!DataFileExists(folder, u"/Settings.txt"))
        return settings;
    QString error;
    const std::optional<QByteArray> bytes = readDataFile(folder, kSettingsFile, &error);
    if (!bytes) {
        settings.problem = error;
        return settings;
    }
    FreeFormatReader reader(*bytes);
    settings.first = reader.readInt32(settings.first);
    settings.second = reader.readInt32(settings.second);
    settings.alarmsOn = reader.readTruth(settings.alarmsOn);
    settings.promptsOn = reader.readTruth(settings.promptsOn);
    if (!reader.ok())
        settings.problem = QStringLiteral("Settings.txt: ") + reader.problem();
    return settings;
}

FileResult saveSettings(const DataFolder& folder, const ProgramSettings& settings) {
    return underFolderLock(folder, [&] {
        // The two values only carried here are written as the file holds them now: another
        // program may have changed them since they were read.
        ProgramSettings now = settings;
        if (DataFileExists(folder, kSettingsFile)) {
            const ProgramSettings inFile = LoadSettings(folder);
            if (!inFile.problem.isEmpty())
                return FileResult::failure(
                    inFile.problem +
                    QCoreApplication::translate("Settings", " The file was left as it is."));
            now.first = inFile.first;
            now.second = inFile.second;
        }
        RecordWriter writer;
        writer.number(now.first).number(now.second).truth(now.alarmsOn).truth(now.promptsOn);
        return writeDataFile(folder, kSettingsFile, writer.line());
    });
}

} // namespace pellar
