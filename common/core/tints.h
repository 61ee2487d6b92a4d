#pragma once
// The few colours the forms use for words that must stand out — a warning, a notice, a quiet
// aside — chosen against the background they sit on, so they stay readable on a light desktop
// and a dark one alike (a contrast of at least 4.5 to 1).

#include <QColor>

namespace pellar {

enum class Tint {
    Warning, // a refusal, a damaged file, what was left out: red
    Notice,  // a hint about what comes next: blue
    Quiet,   // an aside: grey
};

// The contrast of two colours as the accessibility guidelines count it: 1 (none) to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The tint's colour for text on `background`.
QColor tintColor(Tint tint, const QColor& background);

// A row's background that marks it (an unreadable record, an overdue invoice) on the
// table's own background, light or dark; text keeps the table's colour.
QColor markedRowColor(Tint tint, const QColor& base);

} // namespace pellar
