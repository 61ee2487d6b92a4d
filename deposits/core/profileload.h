#pragma once
// Slipmaker's load of the business profile: the nine-field file the family shares, else the
// older eight-field "\BusinessInfo.txt" (no FEIN) an earlier deposit program kept. Whatever
// was found is saved again as the nine-field file, and the older file is deleted with its
// backup copy — only after the new one is safely written.

#include "common/core/fileresult.h"
#include "common/core/profile.h"

namespace deposits {

inline constexpr const char16_t* kOldBusinessFile = u"\\BusinessInfo.txt";

struct DepositProfileLoad {
    pellar::ProfileRead read;
    pellar::FileResult saved; // the re-save; ok when nothing was found
};
DepositProfileLoad loadBusinessConverting(const pellar::DataFolder& folder);

} // namespace deposits
