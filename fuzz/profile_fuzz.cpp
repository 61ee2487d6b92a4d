// The business profile "\MyBusinessData.txt", and the deposit program's load that converts
// the older eight-field "\BusinessInfo.txt". The first byte picks which file the rest is.
//
// Properties:
//  - Nine-field file: the profile read, saved and read again is the same profile with each
//    '"' turned into '\'' (the only change a quoted field makes to 8-bit text), now without
//    a problem; a record short of nine fields says so, a whole one does not.
//  - Conversion: a profile that read whole is saved as the nine-field file (its fee
//    number empty) and the older file is gone; one that did not leaves the older file
//    exactly as it was and writes nothing.
#include "common/core/profile.h"
#include "deposits/core/profileload.h"
#include "fuzz/fuzzsupport.h"

using namespace pellar;
using deposits::DepositProfileLoad;
using deposits::kOldBusinessFile;
using deposits::loadBusinessConverting;

namespace {

BusinessProfile quotesReplaced(const BusinessProfile& profile) {
    QStringList fields = profile.fields();
    for (QString& field : fields)
        field = fuzz::quotesReplaced(field);
    return BusinessProfile::fromFields(fields);
}

void nineFieldsRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    fuzz::putDataFile(kBusinessFile, file);
    const ProfileRead first = readBusinessProfile(folder);
    PELLAR_FUZZ_CHECK(first.found);
    PELLAR_FUZZ_CHECK(saveProfileKeepingBackup(folder, first.profile).ok);
    const ProfileRead second = readBusinessProfile(folder);
    PELLAR_FUZZ_CHECK(second.found && second.problem.isEmpty());
    PELLAR_FUZZ_CHECK(second.profile == quotesReplaced(first.profile));
    PELLAR_FUZZ_CHECK(fuzz::dataFileBytes(kBusinessFile) == encodeProfile(second.profile));
}

void olderFileConverted(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    fuzz::removeDataFile(kBusinessFile);
    fuzz::putDataFile(kOldBusinessFile, file);
    const DepositProfileLoad load = loadBusinessConverting(folder);
    PELLAR_FUZZ_CHECK(load.read.found);
    if (!load.read.problem.isEmpty()) {
        PELLAR_FUZZ_CHECK(!QFile::exists(folder.filePath(kBusinessFile)));
        PELLAR_FUZZ_CHECK(fuzz::dataFileBytes(kOldBusinessFile) == file);
        return;
    }
    PELLAR_FUZZ_CHECK(load.saved.ok && load.read.profile.fein.isEmpty());
    PELLAR_FUZZ_CHECK(!QFile::exists(folder.filePath(kOldBusinessFile)));
    const ProfileRead again = readBusinessProfile(folder);
    PELLAR_FUZZ_CHECK(again.problem.isEmpty());
    PELLAR_FUZZ_CHECK(again.profile == quotesReplaced(load.read.profile));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::pinUnitedStates();
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray file(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (data[0] & 1)
        olderFileConverted(file);
    else
        nineFieldsRoundTrip(file);
    return 0;
}
