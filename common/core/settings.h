#pragma once
// "\Settings.txt": two values this system keeps but does not use, then the alarm and
// prompt flags.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

namespace pellar {

struct ProgramSettings {
    int first = 0;  // kept as read, not used
    int second = 0; // kept as read, not used
    bool alarmsOn = true;
    bool promptsOn = true;
    QString problem; // non-empty when the file could not be read whole
};

inline constexpr const char16_t* kSettingsFile = u"\\Settings.txt";

// Both flags true when the file is absent; a short or damaged record keeps the defaults
// for what is missing.
ProgramSettings LoadSettings(const DataFolder& folder);
FileResult saveSettings(const DataFolder& folder, const ProgramSettings& settings);

} // namespace pellar
