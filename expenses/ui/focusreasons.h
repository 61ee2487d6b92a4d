#pragma once
// Focus that the person moved, as against focus moved by the form itself or lost to
// another window or a popup.

#include <Qt>

namespace expenses {

inline bool movedByPerson(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace expenses
