#pragma once
// Writing exports for spreadsheets: RFC 4180 quoted fields, made inert when a spreadsheet
// would run them as a formula, and amounts as plain decimals with a dot.

#include "common/core/currency.h"

#include <QString>

namespace pellar {

// A plain decimal with a dot and at least two decimals: "1234.50", "-0.0125".
QString plainAmount(Currency amount);

// Whether a spreadsheet would take the text for a formula.
bool looksLikeFormula(const QString& text);

// Appends the text as a quoted field (inner quotes doubled), made inert with a leading
// apostrophe when it looks like a formula.
void appendQuoted(QString& out, const QString& text);

} // namespace pellar
