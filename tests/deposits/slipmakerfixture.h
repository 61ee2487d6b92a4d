#pragma once
// The deposit program's files as a test puts them in place, its forms' controls by their
// documented names, and a running program on a scratch folder with a scripted desk.

#include "deposits/ui/slipmaker.h"
#include "tests/support/testprogram.h"

#include <QByteArray>
#include <QWidget>
#include <gtest/gtest.h>

namespace deposits::testing {

inline QByteArray checkbookWithBalance(const char* balance) {
    return QByteArray("\"Checking\",\"Bank\",\"") + balance + "\",\"0042\",\" 4\",1,2\r\n";
}
inline const QByteArray kCheckbook = checkbookWithBalance("$1,000.00");

inline QByteArray logRecord(const char* date, const char* amount, const char* what = "Deposit") {
    return QByteArray(date).leftJustified(10) + QByteArray(what).leftJustified(35) +
           QByteArray(amount).leftJustified(15);
}

template <typename Widget = QWidget> Widget* child(const QObject* form, const QString& name) {
    auto* widget = form->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

class SlipmakerTest : public ::testing::Test {
protected:
    pellar::testing::TestProgram app{slipmakerProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
};

} // namespace deposits::testing
