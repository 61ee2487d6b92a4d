// "\Settings.txt": two kept numbers and the alarm and prompt flags.
//
// Property: a file that reads without a problem, saved and read again, gives the same values;
// one that reads with a problem is refused by the save and left byte for byte as it was.
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
    const QByteArray before(reinterpret_cast<const char*>(data), qsizetype(size));
    const ProgramSettings first = LoadSettings(folder);
    if (!first.problem.isEmpty()) {
        PELLAR_FUZZ_CHECK(!saveSettings(folder, first).ok);
        PELLAR_FUZZ_CHECK(fuzz::dataFileBytes(kSettingsFile) == before);
        return 0;
    }
    PELLAR_FUZZ_CHECK(saveSettings(folder, first).ok);
    const ProgramSettings second = LoadSettings(folder);
    PELLAR_FUZZ_CHECK(second.problem.isEmpty());
    PELLAR_FUZZ_CHECK(second.first == first.first && second.second == first.second &&
                      second.alarmsOn == first.alarmsOn && second.promptsOn == first.promptsOn);
    return 0;
}
