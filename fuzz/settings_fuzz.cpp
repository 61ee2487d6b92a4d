// "\Settings.txt": two kept numbers and the alarm and prompt flags.
//
// Property: the settings read (defaults for what is missing or unreadable), saved and read
// again are the same values, now without a problem.
#include "common/core/settings.h"
#include "fuzz/fuzzsupport.h"

using namespace pellar;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::pinUnitedStates();
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    fuzz::putDataFile(kSettingsFile,
                      QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const ProgramSettings first = LoadSettings(folder);
    PELLAR_FUZZ_CHECK(saveSettings(folder, first).ok);
    const ProgramSettings second = LoadSettings(folder);
    PELLAR_FUZZ_CHECK(second.problem.isEmpty());
    PELLAR_FUZZ_CHECK(second.first == first.first && second.second == first.second &&
                      second.alarmsOn == first.alarmsOn && second.promptsOn == first.promptsOn);
    return 0;
}
