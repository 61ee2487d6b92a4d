#include "common/core/tints.h"

#include <algorithm>
#include <cmath>

namespace pellar {

namespace {

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green())
           + 0.0722 * channel(rgb.blue());
}

bool isDark(const QColor& background) {
    return luminance(background) < 0.18;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor tintColor(Tint tint, const QColor& background) {
    const bool dark = isDark(background);
    QColor color;
    switch (tint) {
    case Tint::Warning:
        color = dark ? QColor(0xff, 0x8a, 0x80) : QColor(0x8b, 0x00, 0x00);
        break;
    case Tint::Notice:
        color = dark ? QColor(0x8a, 0xb4, 0xf8) : QColor(0x1f, 0x3a, 0x7a);
        break;
    case Tint::Quiet:
        color = dark ? QColor(0xb0, 0xb0, 0xb0) : QColor(0x55, 0x55, 0x55);
        break;
    }
    // A background between light and dark: lighten or darken until the words stand out.
    for (int step = 0; step < 20 && contrastRatio(color, background) < 4.5; ++step)
        color = dark ? color.lighter(115) : color.darker(115);
    if (contrastRatio(color, background) < 4.5)
        color = dark ? QColor(Qt::white) : QColor(Qt::black);
    return color;
}

QColor markedRowColor(Tint tint, const QColor& base) {
    const QColor hue = tint == Tint::Warning  ? QColor(0xd0, 0x30, 0x30)
                       : tint == Tint::Notice ? QColor(0x30, 0x60, 0xd0)
                                              : QColor(0x80, 0x80, 0x80);
    // A fifth of the hue over the table's background: visible, and the text stays readable.
    const QColor b = base.toRgb();
    const auto mix = [](int from, int to) { return from + (to - from) / 5; };
    return QColor(mix(b.red(), hue.red()), mix(b.green(), hue.green()), mix(b.blue(), hue.blue()));
}

} // namespace pellar
