#include "deposits/core/profileload.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/folderlock.h"

namespace deposits {

namespace {
constexpr int kOldProfileFields = 8;
}

DepositProfileLoad loadBusinessConverting(const pellar::DataFolder& folder) {
    // The read and the re-save under one lock: a profile another program saves meanwhile is
    // never put back to the one read here.
    const pellar::FolderLock lock(folder);
    DepositProfileLoad load;
    if (pellar::DataFileExists(folder, pellar::kBusinessFile))
        load.read = pellar::readProfileRecord(folder, pellar::kBusinessFile, pellar::kProfileFields);
    else if (pellar::DataFileExists(folder, kOldBusinessFile))
        load.read = pellar::readProfileRecord(folder, kOldBusinessFile, kOldProfileFields);
    else
        return load;

    // Nothing is written back over a profile that could not be read whole, and the older
    // file goes only once the new one is safely on disk.
    if (!load.read.problem.isEmpty())
        return load;
    load.saved = pellar::saveProfileDroppingBackup(folder, load.read.profile);
    if (load.saved)
        load.saved = pellar::DeleteDataFileAndBackup(folder, kOldBusinessFile);
    return load;
}

} // namespace deposits
