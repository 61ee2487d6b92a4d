#include "common/ui/realdesk.h"

#include "common/core/weblinks.h"
#include "common/ui/printersurface.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace pellar {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerFor(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // Closed some other way.
    return cautiousAnswer(buttons);
}

} // namespace

RealDesk::~RealDesk() {
    while (m_busyDepth > 0)
        setBusy(false);
}

std::unique_ptr<QMessageBox> RealDesk::makeMessageBox(const QString& title,
                                                      const QStringList& lines,
                                                      MessageButtons buttons, MessageIcon icon,
                                                      QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title);
    // Plain text: a customer's name with a '<' in it must show as typed.
    box->setTextFormat(Qt::PlainText);
    box->setText(lines.join(u'\n'));
    box->setIcon(qtIcon(icon));
    box->setStandardButtons(qtButtons(buttons));
    // The first button is the default, as on the old message boxes, except where Yes would
    // delete or overwrite.
    switch (buttons) {
    case MessageButtons::YesNo:
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MessageButtons::YesNoDefaultNo:
        box->setDefaultButton(QMessageBox::No);
        break;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        box->setDefaultButton(QMessageBox::Ok);
        break;
    }
    if (buttons == MessageButtons::OkCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

MessageAnswer RealDesk::message(const QString& title, const QStringList& lines,
                                MessageButtons buttons, MessageIcon icon) {
    auto box = makeMessageBox(title, lines, buttons, icon, QApplication::activeWindow());
    return answerFor(box->exec(), buttons);
}

void RealDesk::beep() {
    QApplication::beep();
}

QDate RealDesk::today() {
    return QDate::currentDate();
}

std::optional<PrinterChoice> RealDesk::choosePrinter(const PrinterChoice& current) {
    QPrinter printer(QPrinter::HighResolution);
    // An empty name, or one of a printer that has since gone away, leaves the system default.
    if (!current.printerName.isEmpty() && !QPrinterInfo::printerInfo(current.printerName).isNull())
        printer.setPrinterName(current.printerName);
    printer.setCopyCount(qMax(1, current.copies));
    printer.setCollateCopies(true);

    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // Printing to a file is how people make a PDF here; the layouts print whole documents, so
    // no page ranges.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    PrinterChoice choice;
    choice.printerName = printer.printerName();
    choice.copies = qMax(1, printer.copyCount());
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.outputFile = printer.outputFileName();
    return choice;
}

std::unique_ptr<PrintSurface> RealDesk::openPrintSurface(const PrintJobSetup& setup,
                                                         QString* error) {
    auto surface = std::make_unique<PrinterSurface>(setup);
    if (!surface->error().isEmpty()) {
        if (error)
            *error = surface->error();
        return nullptr;
    }
    return surface;
}

namespace {

// Turns the preview's pages from the keyboard, wherever the focus is in the dialog.
class PageKeys : public QObject {
public:
    explicit PageKeys(QPrintPreviewWidget* preview)
        : QObject(preview)
        , m_preview(preview) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int current = m_preview->currentPage();
        const int last = m_preview->pageCount();
        int page = current;
        if (key == Qt::Key_PageDown)
            page = std::min(current + 1, last);
        else if (key == Qt::Key_PageUp)
            page = std::max(current - 1, 1);
        else if (key == Qt::Key_Home)
            page = 1;
        else if (key == Qt::Key_End)
            page = last;
        else
            return QObject::eventFilter(watched, event);
        m_preview->setCurrentPage(page);
        return true;
    }

private:
    QPrintPreviewWidget* m_preview;
};

} // namespace

std::unique_ptr<QDialog>
RealDesk::makePreviewDialog(QPrinter& printer, const PrintJobSetup& setup,
                            const std::function<void(PrintSurface&)>& layout, QWidget* parent) {
    // A preview only: the dialog has no print button, so nothing leaves it on paper
    // without the program's own print and its confirmation.
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(tr("Print Preview - ") + setup.documentName);
    auto* preview = new QPrintPreviewWidget(&printer, dialog.get());
    preview->setObjectName(QStringLiteral("preview"));
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, dialog.get(),
                     [setup, layout](QPrinter* target) {
                         PrinterSurface surface(*target, setup);
                         layout(surface);
                         surface.endDoc();
                     });
    auto* zoomIn = new QPushButton(tr("Zoom &In"), dialog.get());
    auto* zoomOut = new QPushButton(tr("Zoom &Out"), dialog.get());
    auto* close = new QPushButton(tr("&Close"), dialog.get());
    QObject::connect(zoomIn, &QPushButton::clicked, preview, [preview] { preview->zoomIn(); });
    QObject::connect(zoomOut, &QPushButton::clicked, preview, [preview] { preview->zoomOut(); });
    QObject::connect(close, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zoomIn);
    buttons->addWidget(zoomOut);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layoutBox = new QVBoxLayout(dialog.get());
    layoutBox->addWidget(preview, 1);
    layoutBox->addLayout(buttons);
    dialog->resize(820, 960);
    preview->fitInView();
    // The page keys work from every control of the dialog; the arrows scroll the page view,
    // which has the focus first.
    auto* keys = new PageKeys(preview);
    dialog->installEventFilter(keys);
    for (QWidget* child : dialog->findChildren<QWidget*>())
        child->installEventFilter(keys);
    if (auto* view = preview->findChild<QAbstractScrollArea*>()) {
        view->setFocusPolicy(Qt::StrongFocus);
        view->setFocus();
    }
    return dialog;
}

void RealDesk::previewPrint(const PrintJobSetup& setup,
                            const std::function<void(PrintSurface&)>& layout) {
    QPrinter printer(QPrinter::HighResolution);
    const std::unique_ptr<QDialog> dialog =
        makePreviewDialog(printer, setup, layout, QApplication::activeWindow());
    dialog->exec();
}

bool RealDesk::printerAvailable() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::optional<QString> RealDesk::chooseSaveFile(const QString& title, const QString& suggested,
                                                const QString& filter) {
    // A bare file name starts in the person's documents folder, not wherever the program
    // happened to be started from.
    QString start = suggested;
    if (QFileInfo(suggested).isRelative()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!documents.isEmpty())
            start = QDir(documents).filePath(suggested);
    }
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool RealDesk::openWebAddress(const QString& url) {
    // Handed to the desktop as a URL, never through a shell command line, and only web
    // addresses: a deployer's typo must not start a local program or open a local file.
    if (!isWebPageAddress(url))
        return false;
    return QDesktopServices::openUrl(QUrl(url.trimmed(), QUrl::TolerantMode));
}

bool RealDesk::openFolder(const QString& path) {
    // A folder only, as a file URL: nothing is run.
    if (!QFileInfo(path).isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool RealDesk::openDocument(const QString& path) {
    // A PDF file that is there, as a file URL: nothing is run.
    const QFileInfo file(path);
    if (!file.isFile() || file.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void RealDesk::setBusy(bool busy) {
    // Balanced: an extra "not busy" must not pop a cursor someone else set.
    if (busy) {
        ++m_busyDepth;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0) {
        --m_busyDepth;
        QApplication::restoreOverrideCursor();
    }
}

} // namespace pellar
