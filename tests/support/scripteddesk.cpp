#include "tests/support/scripteddesk.h"

#include <gtest/gtest.h>

namespace pellar::testing {

namespace {

std::string describe(const QString& title, const QStringList& lines) {
    return ('"' + title + "\": \"" + lines.join(u'\n') + '"').toStdString();
}

// A message box's buttons: as a failure names them, and the answers they can give.
struct ButtonSet {
    const char* name;
    QList<MessageAnswer> answers;
};

ButtonSet buttonSet(MessageButtons buttons) {
    using enum MessageAnswer;
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {"OK/Cancel", {Ok, Cancel}};
    case MessageButtons::YesNo:
        return {"Yes/No", {Yes, No}};
    case MessageButtons::YesNoDefaultNo:
        return {"Yes/No (No first)", {Yes, No}};
    case MessageButtons::Ok:
        break;
    }
    return {"OK", {Ok}};
}

} // namespace

ScriptedDesk::ScriptedDesk() = default;

ScriptedDesk::~ScriptedDesk() {
    if (!m_answers.isEmpty()) {
        QStringList titles;
        for (const Expected& e : m_answers)
            titles << '"' + e.title + '"';
        ADD_FAILURE() << "Expected message boxes never shown: "
                      << titles.join(QStringLiteral(", ")).toStdString();
    }
    if (!m_choices.isEmpty())
        ADD_FAILURE() << m_choices.size() << " expected printer dialog(s) never shown";
    if (!m_saveFiles.isEmpty())
        ADD_FAILURE() << m_saveFiles.size() << " expected save-file dialog(s) never shown";
    if (m_busy != 0)
        ADD_FAILURE() << "The hourglass was left on (" << m_busy << " deep)";
}

void ScriptedDesk::expectMessage(const QString& title, MessageAnswer answer) {
    m_answers.enqueue({title, answer});
}

void ScriptedDesk::expectPrinterDialog(std::optional<PrinterChoice> choice) {
    m_choices.enqueue(std::move(choice));
}

void ScriptedDesk::failNextPrintJob(const QString& error) {
    m_failNextJob = error;
}

void ScriptedDesk::expectSaveFile(std::optional<QString> name) {
    m_saveFiles.enqueue(std::move(name));
}

void ScriptedDesk::previewPrint(const PrintJobSetup& setup,
                                const std::function<void(PrintSurface&)>& layout) {
    auto log = std::make_shared<PrintLog>();
    m_previews.append(log);
    RecordingSurface surface(log, setup);
    layout(surface);
    surface.endDoc();
}

std::optional<QString> ScriptedDesk::chooseSaveFile(const QString&, const QString& suggested,
                                                    const QString&) {
    m_suggested.append(suggested);
    if (m_saveFiles.isEmpty()) {
        ADD_FAILURE() << "Unexpected save-file dialog for " << suggested.toStdString();
        return std::nullopt;
    }
    return m_saveFiles.dequeue();
}

MessageAnswer ScriptedDesk::message(const QString& title, const QStringList& lines,
                                    MessageButtons buttons, MessageIcon icon) {
    m_messages.append({title, lines, buttons, icon});
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box " << describe(title, lines);
        return cautiousAnswer(buttons);
    }
    const Expected expected = m_answers.dequeue();
    if (expected.title != title) {
        ADD_FAILURE() << "Message box " << describe(title, lines) << " shown where \""
                      << expected.title.toStdString() << "\" was expected";
        return cautiousAnswer(buttons);
    }
    if (const ButtonSet offered = buttonSet(buttons); !offered.answers.contains(expected.answer)) {
        ADD_FAILURE() << "Message box \"" << title.toStdString() << "\" has " << offered.name
                      << " buttons and cannot give the queued answer";
        return cautiousAnswer(buttons);
    }
    return expected.answer;
}

std::optional<PrinterChoice> ScriptedDesk::choosePrinter(const PrinterChoice& current) {
    m_dialogs.append(current);
    if (m_choices.isEmpty()) {
        ADD_FAILURE() << "Unexpected printer dialog";
        return std::nullopt;
    }
    return m_choices.dequeue();
}

std::unique_ptr<PrintSurface> ScriptedDesk::openPrintSurface(const PrintJobSetup& setup,
                                                             QString* error) {
    m_jobSetups.append(setup);
    if (!m_failNextJob.isEmpty()) {
        if (error)
            *error = m_failNextJob;
        m_failNextJob.clear();
        return nullptr;
    }
    auto log = std::make_shared<PrintLog>();
    m_jobs.append(log);
    return std::make_unique<RecordingSurface>(log, setup);
}

bool ScriptedDesk::openWebAddress(const QString& url) {
    m_addresses.append(url);
    return browserTakesAddresses;
}

void ScriptedDesk::setBusy(bool busy) {
    if (busy) {
        ++m_busy;
    } else if (m_busy > 0) {
        --m_busy;
    } else {
        ADD_FAILURE() << "The hourglass was taken off without being put on";
    }
}

} // namespace pellar::testing
