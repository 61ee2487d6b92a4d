#pragma once
// The desk of a running program: Qt's message box, beep, clock, printer dialog, printer
// and desktop services.

#include "common/core/desk.h"

#include <memory>

class QMessageBox;
class QUrl;
class QWidget;

namespace pellar {

class RealDesk : public Desk {
public:
    RealDesk() = default;
    ~RealDesk() override; // gives back an hourglass still set
    RealDesk(const RealDesk&) = delete;
    RealDesk& operator=(const RealDesk&) = delete;

    MessageAnswer message(const QString& title, const QStringList& lines,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None) override;
    void beep() override;
    QDate today() override;
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& current) override;
    std::unique_ptr<PrintSurface> openPrintSurface(const PrintJobSetup& setup,
                                                   QString* error) override;
    // Only http and https addresses are handed on; anything else gives false.
    void previewPrint(const PrintJobSetup& setup,
                      const std::function<void(PrintSurface&)>& layout) override;
    bool printerAvailable() override;
    std::optional<QString> chooseSaveFile(const QString& title, const QString& suggested,
                                          const QString& filter) override;
    bool openWebAddress(const QString& url) override;
    bool openFolder(const QString& path) override;
    void setBusy(bool busy) override;

    // The box message() shows, not yet shown: plain text, no icon unless asked.
    static std::unique_ptr<QMessageBox> makeMessageBox(const QString& title,
                                                       const QStringList& lines,
                                                       MessageButtons buttons, MessageIcon icon,
                                                       QWidget* parent = nullptr);
    static bool isWebAddress(const QUrl& address);

private:
    int m_busyDepth = 0;
};

} // namespace pellar
