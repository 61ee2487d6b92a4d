#pragma once
// The desk benchmarks hand to forms: nothing in a measured path should ask the person
// anything; should it, the answer is Yes (or OK), and no dialog ever opens.

#include "common/core/desk.h"
#include "common/core/printsurface.h"

namespace pellar::bench {

class QuietDesk : public Desk {
public:
    explicit QuietDesk(QDate today = QDate(2026, 12, 6))
        : m_today(today) {}

    MessageAnswer message(const QString&, const QStringList&, MessageButtons b,
                          MessageIcon) override {
        ++messages;
        return b == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void beep() override {}
    QDate today() override { return m_today; }
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice&) override {
        return std::nullopt;
    }
    std::unique_ptr<PrintSurface> openPrintSurface(const PrintJobSetup&, QString*) override {
        return nullptr;
    }
    bool openWebAddress(const QString&) override { return true; }
    bool openFolder(const QString&) override { return true; }
    bool openDocument(const QString&) override { return true; }
    void previewPrint(const PrintJobSetup&, const std::function<void(PrintSurface&)>&) override {}
    bool printerAvailable() override { return true; }
    std::optional<QString> chooseSaveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void setBusy(bool) override {}

    int messages = 0;

private:
    QDate m_today;
};

} // namespace pellar::bench
