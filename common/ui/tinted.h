#pragma once
// Words in a tint (a warning, a notice, an aside) on a form, in the colour that stays readable
// on the widget's own background, again whenever the desktop's colours change.

#include "common/core/tints.h"

class QWidget;

namespace pellar::ui {

void tinted(QWidget* widget, Tint tint, bool bold = false);

} // namespace pellar::ui
