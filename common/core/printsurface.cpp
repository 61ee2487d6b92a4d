#include "common/core/printsurface.h"

#include <cmath>

namespace pellar {

namespace {
constexpr double TwipsPerInch = 1440;
} // namespace

PrintSurface::~PrintSurface() = default;

void PrintSurface::advance(double width, double height, bool stayOnLine) {
    if (stayOnLine) {
        m_x += width;
    } else {
        m_x = 0;
        m_y += height;
    }
}

void PrintSurface::startNextPage() {
    ++m_page;
    m_x = 0;
    m_y = 0;
}

void PrintSurface::setError(const QString& error) {
    // The first failure is the one worth telling; later ones usually follow from it.
    if (m_error.isEmpty())
        m_error = error;
}

void SetPrintPosition(PrintSurface& surface, float xInches, float yInches) {
    // Single-precision inches are never quite exact (0.15 in comes to 216.00002 twips);
    // a twip is finer than any printer's dot, so the position is kept in whole twips and
    // layouts land exactly where their figures say.
    if (xInches > 0)
        surface.setCurrentX(std::round(double(xInches) * TwipsPerInch));
    if (yInches > 0)
        surface.setCurrentY(std::round(double(yInches) * TwipsPerInch));
}

void SetPrintFont(PrintSurface& surface, int size, bool bold, bool underline) {
    if (size > 0)
        surface.setFontSize(size);
    surface.setBold(bold);
    surface.setUnderline(underline);
}

double rightAlignedX(const PrintSurface& surface, const QString& text, double rightX) {
    return rightX - surface.textWidth(text);
}

void printRightAligned(PrintSurface& surface, const QString& text, double rightX, bool stayOnLine) {
    surface.setCurrentX(rightAlignedX(surface, text, rightX));
    surface.print(text, stayOnLine);
}

QString fittedToWidth(const PrintSurface& surface, const QString& text, double width) {
    if (surface.textWidth(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    // Longest start that fits with the ellipsis; the width grows with the length, so halve.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (surface.textWidth(text.left(mid).trimmed() + ellipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low == 0 ? QString() : text.left(low).trimmed() + ellipsis;
}

double twipsFromInches(double inches) {
    return std::round(inches * kTwipsPerInch);
}

float inchesFromTwips(double twips) {
    return float(twips / kTwipsPerInch);
}

} // namespace pellar
