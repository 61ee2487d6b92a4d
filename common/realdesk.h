#pragma once
// The desk of a running program: Qt's message box, beep, clock, printer dialog, printer
// and desktop services.

#include "common/desk.h"

class QWidget;

namespace pellar {

class RealDesk : public Desk {
public:
    MessageAnswer message(const QString& title, const QStringList& lines, MessageButtons buttons,
                          MessageIcon icon) override;
    void beep() override;
    QDate today() override;
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& current) override;
    std::unique_ptr<PrintSurface> openPrintSurface(const PrintJobSetup& setup,
                                                   QString* error) override;
    bool openWebAddress(const QString& url) override;
    void setBusy(bool busy) override;

private:
    int m_busyDepth = 0;
};

} // namespace pellar
