#pragma once
// The desk of a running program: Qt's message box, beep, clock, printer dialog, printer
// and desktop services.

#include "common/core/desk.h"

#include <QCoreApplication>
#include <memory>

class QDialog;
class QMessageBox;
class QPrinter;
class QUrl;
class QWidget;

namespace pellar {

class RealDesk : public Desk {
    Q_DECLARE_TR_FUNCTIONS(RealDesk)

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
    bool openDocument(const QString& path) override;
    void setBusy(bool busy) override;

    // The box message() shows, not yet shown: plain text, no icon unless asked.
    static std::unique_ptr<QMessageBox> makeMessageBox(const QString& title,
                                                       const QStringList& lines,
                                                       MessageButtons buttons, MessageIcon icon,
                                                       QWidget* parent = nullptr);
    // The preview previewPrint() shows, not yet shown, on `printer` (which must outlive it).
    // Page Up / Page Down turn the pages, Home and End go to the first and the last, the
    // arrows scroll the page shown.
    static std::unique_ptr<QDialog>
    makePreviewDialog(QPrinter& printer, const PrintJobSetup& setup,
                      const std::function<void(PrintSurface&)>& layout, QWidget* parent = nullptr);

private:
    int m_busyDepth = 0;
};

} // namespace pellar
