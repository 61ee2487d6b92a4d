#pragma once
// The program's ports to the person and the world: message boxes, the beep, today's date,
// the printer dialog, print jobs and the browser. Forms get a Desk when they are made;
// tests hand them a scripted one, so no test ever opens a real dialog.

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace pellar {

class PrintSurface;

// YesNoDefaultNo: for a question whose Yes deletes or overwrites, so Enter does no harm.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The answer that does the least with these buttons: what a box closed without a choice
// means.
MessageAnswer cautiousAnswer(MessageButtons buttons);

// What the printer dialog gave: the printer (empty: the system's default), the copies,
// and a file name when the person chose to print to a PDF file.
struct PrinterChoice {
    QString printerName;
    int copies = 1;
    QString outputFile;
};

// Where a document's positions count from: the edge of the paper (the invoice, whose frame
// runs to a quarter inch of the edge) or the top-left corner of the area the printer can
// print on (a pre-printed form measured that way).
enum class PageOrigin { PaperEdge, PrintableArea };

struct PrintJobSetup {
    PrinterChoice printer;
    QString documentName;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool color = true;
    PageOrigin origin = PageOrigin::PaperEdge;
    // The person's correction for this printer and document, in twips, added to every
    // position: right and down when positive.
    double offsetX = 0;
    double offsetY = 0;
};

class Desk {
public:
    virtual ~Desk();

    // A modal message box: the lines joined by line breaks.
    virtual MessageAnswer message(const QString& title, const QStringList& lines,
                                  MessageButtons buttons = MessageButtons::Ok,
                                  MessageIcon icon = MessageIcon::None) = 0;
    virtual void beep() = 0;
    virtual QDate today() = 0;

    // The printer dialog, starting on `current` (empty printer name: the system default).
    // Print-to-file offered, page ranges off, collate on. nullopt when cancelled.
    virtual std::optional<PrinterChoice> choosePrinter(const PrinterChoice& current) = 0;

    // Starts a print job. nullptr, with plain words in *error, when it cannot start.
    virtual std::unique_ptr<PrintSurface> openPrintSurface(const PrintJobSetup& setup,
                                                           QString* error) = 0;
    // Shows the document as it would print, page by page, until the person closes the
    // preview; the layout may be drawn more than once (each zoom redraws it). Nothing is
    // printed from it.
    virtual void previewPrint(const PrintJobSetup& setup,
                              const std::function<void(PrintSurface&)>& layout) = 0;
    // Whether any printer is set up on this computer.
    virtual bool printerAvailable() = 0;
    // The save-file dialog: a file name to write, starting from the suggested one; nullopt
    // when the person cancels.
    virtual std::optional<QString> chooseSaveFile(const QString& title, const QString& suggested,
                                                  const QString& filter) = 0;

    // Hands the address to the person's browser; does not wait. False when nothing took it.
    virtual bool openWebAddress(const QString& url) = 0;
    // Shows a folder of this computer in the person's file manager. False when nothing did.
    virtual bool openFolder(const QString& path) = 0;
    // Opens a document the program keeps (a PDF copy) in the person's viewer. False when
    // nothing did; a desk without a viewer does nothing.
    virtual bool openDocument(const QString& path) {
        (void)path;
        return false;
    }

    // The hourglass while a long action runs.
    virtual void setBusy(bool busy) = 0;
};

// The hourglass for as long as this object lives, however the action ends.
class BusyCursor {
public:
    explicit BusyCursor(Desk& desk)
        : m_desk(desk) {
        m_desk.setBusy(true);
    }
    ~BusyCursor() { m_desk.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Desk& m_desk;
};

} // namespace pellar
