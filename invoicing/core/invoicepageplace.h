#pragma once
// Placing text on the invoice page by the twip figures the layout is drawn in. Positions go
// through SetPrintPosition (inches), so they land on whole twips as every layout's do.

#include "common/core/printsurface.h"

#include <QString>

namespace invoicing::invoicepageplace {

using pellar::printRightAligned;

inline float inches(double twips) {
    return pellar::inchesFromTwips(twips);
}

inline void at(pellar::PrintSurface& s, double x, double y) {
    SetPrintPosition(s, inches(x), inches(y));
}

inline void atX(pellar::PrintSurface& s, double x) {
    SetPrintPosition(s, inches(x), 0);
}

inline void atY(pellar::PrintSurface& s, double y) {
    SetPrintPosition(s, 0, inches(y));
}

} // namespace invoicing::invoicepageplace
