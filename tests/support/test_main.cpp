// Every test program starts here: headless Qt, United States regional settings.
#include "common/core/regional.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs the program without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pellar::RegionalSettings::setCurrent(pellar::RegionalSettings::unitedStates());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
