#pragma once
// "/FormsOrdered.txt": what the person noted about an order of pre-printed forms, the
// supplier's representative and the order number, as one quoted-field record.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QString>
#include <optional>

namespace deposits {

inline constexpr const char16_t* kFormsOrderedFile = u"/FormsOrdered.txt";

struct FormsOrder {
    QString representative;
    QString orderNumber;
    bool operator==(const FormsOrder&) const = default;
};

// nullopt when no note exists (DataFileExists first, which may restore it). A short or
// unreadable note gives what it holds.
std::optional<FormsOrder> readFormsOrder(const pellar::DataFolder& folder);
pellar::FileResult writeFormsOrder(const pellar::DataFolder& folder, const FormsOrder& order);

} // namespace deposits
