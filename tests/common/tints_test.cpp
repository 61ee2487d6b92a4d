// Tinted words stay readable on light and dark desktops, and follow a change of palette.
#include "common/core/tints.h"
#include "common/ui/tinted.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <gtest/gtest.h>

using namespace pellar;

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, Qt::white);
    return dark;
}

} // namespace

TEST(Tints, EveryTintKeepsItsContrastOnEveryBackground) {
    const QColor backgrounds[] = {Qt::white, QColor(0xef, 0xef, 0xef), QColor(0x80, 0x80, 0x80),
                                  QColor(0x60, 0x60, 0x70), QColor(0x35, 0x35, 0x35), Qt::black,
                                  QColor(0xfb, 0xf1, 0xc7)};
    for (const QColor& background : backgrounds)
        for (const Tint tint : {Tint::Warning, Tint::Notice, Tint::Quiet}) {
            EXPECT_GE(contrastRatio(tintColor(tint, background), background), 4.5)
                << qPrintable(background.name()) << " tint " << int(tint);
            // A marked row keeps the table's text readable.
            const QColor row = markedRowColor(tint, background);
            const QColor text = contrastRatio(Qt::black, background) > 4.5 ? Qt::black : Qt::white;
            EXPECT_GE(contrastRatio(text, row), 4.5) << qPrintable(background.name());
        }
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
}

TEST(Tints, ALabelFollowsTheDesktopFromLightToDark) {
    const QPalette before = QApplication::palette();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(fusion->standardPalette());
    QLabel label(QStringLiteral("This file is damaged."));
    ui::tinted(&label, Tint::Warning, true);
    const auto contrast = [&label] {
        return contrastRatio(label.palette().color(QPalette::WindowText),
                             label.palette().color(QPalette::Window));
    };
    EXPECT_GE(contrast(), 4.5);
    EXPECT_TRUE(label.font().bold());
    QApplication::setPalette(darkPalette());
    QApplication::processEvents();
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0x35, 0x35, 0x35));
    EXPECT_GE(contrast(), 4.5);
    QApplication::setPalette(before);
}
