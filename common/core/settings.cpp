#include "common/core/settings.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/records.h"

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
    RecordWriter writer;
    writer.number(settings.first)
        .number(settings.second)
        .truth(settings.alarmsOn)
        .truth(settings.promptsOn);
    return writeDataFile(folder, kSettingsFile, writer.line());
}

} // namespace pellar
