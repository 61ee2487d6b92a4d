#pragma once
// The desk tests hand to forms. Answers are queued before the action; every message,
// beep, printer dialog, print job and opened address is recorded. A message or printer
// dialog that nothing was queued for fails the test, because a real one would hang CI.

#include "common/core/desk.h"
#include "tests/support/recorded.h"
#include "tests/support/recordingsurface.h"

#include <QList>
#include <QQueue>
#include <memory>
#include <optional>

namespace pellar::testing {

struct ShownMessage {
    QString title;
    QStringList lines;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString text() const { return lines.join(u'\n'); }
};

class ScriptedDesk : public Desk {
public:
    ScriptedDesk();
    ~ScriptedDesk() override; // fails the test when queued answers were never used

    // The next message box must carry this title; it is answered with `answer`.
    void expectMessage(const QString& title, MessageAnswer answer = MessageAnswer::Ok);
    // The next printer dialog gives this choice (nullopt: Cancel).
    void expectPrinterDialog(std::optional<PrinterChoice> choice);
    // A job that cannot start: the next openPrintSurface fails with this text.
    void failNextPrintJob(const QString& error);
    // The next save-file dialog gives this file name (nullopt: Cancel).
    void expectSaveFile(std::optional<QString> name);
    // Whether the computer has a printer set up (it has, unless a test says not).
    void setPrinterAvailable(bool available) { m_printerAvailable = available; }
    void setToday(QDate date) { m_today = date; }

    MessageAnswer message(const QString& title, const QStringList& lines,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None) override;
    void beep() override { ++m_beeps; }
    QDate today() override { return m_today; }
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& current) override;
    std::unique_ptr<PrintSurface> openPrintSurface(const PrintJobSetup& setup,
                                                   QString* error) override;
    // A preview is recorded as a job of its own, in previews(), and is never a print.
    void previewPrint(const PrintJobSetup& setup,
                      const std::function<void(PrintSurface&)>& layout) override;
    bool printerAvailable() override { return m_printerAvailable; }
    std::optional<QString> chooseSaveFile(const QString& title, const QString& suggested,
                                          const QString& filter) override;
    bool openWebAddress(const QString& url) override;
    // False stands for a computer where no browser takes an address.
    bool browserTakesAddresses = true;
    // False stands for a computer with no program that opens folders.
    bool folderOpenerWorks = true;
    bool openFolder(const QString& path) override {
        m_folders.append(path);
        return folderOpenerWorks;
    }
    bool openDocument(const QString& path) override {
        m_documents.append(path);
        return true;
    }
    void setBusy(bool busy) override;

    const Recorded<ShownMessage>& messages() const { return m_messages; }
    int beeps() const { return m_beeps; }
    const Recorded<PrinterChoice>& printerDialogsShownWith() const { return m_dialogs; }
    const Recorded<PrintJobSetup>& jobSetups() const { return m_jobSetups; }
    // Logs of every print job opened, in order.
    const Recorded<std::shared_ptr<PrintLog>>& jobs() const { return m_jobs; }
    const Recorded<QString>& openedAddresses() const { return m_addresses; }
    const Recorded<std::shared_ptr<PrintLog>>& previews() const { return m_previews; }
    // The names each save-file dialog suggested.
    const Recorded<QString>& saveFilesSuggested() const { return m_suggested; }
    const Recorded<QString>& openedFolders() const { return m_folders; }
    const Recorded<QString>& openedDocuments() const { return m_documents; }
    bool busy() const { return m_busy > 0; }

private:
    struct Expected {
        QString title;
        MessageAnswer answer;
    };
    QQueue<Expected> m_answers;
    QQueue<std::optional<PrinterChoice>> m_choices;
    QQueue<std::optional<QString>> m_saveFiles;
    QString m_failNextJob;
    Recorded<std::shared_ptr<PrintLog>> m_previews;
    Recorded<QString> m_suggested;
    bool m_printerAvailable = true;
    Recorded<ShownMessage> m_messages;
    Recorded<PrinterChoice> m_dialogs;
    Recorded<PrintJobSetup> m_jobSetups;
    Recorded<std::shared_ptr<PrintLog>> m_jobs;
    Recorded<QString> m_addresses;
    Recorded<QString> m_folders;
    Recorded<QString> m_documents;
    QDate m_today{2026, 12, 6};
    int m_beeps = 0;
    int m_busy = 0;
};

} // namespace pellar::testing
