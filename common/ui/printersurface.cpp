#include "common/ui/printersurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPen>

#include <algorithm>

namespace pellar {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
// Pen widths are counted in dots of a 96-dpi screen.
constexpr double PenDotsPerInch = 96;

} // namespace

PrinterSurface::PrinterSurface(const PrintJobSetup& setup)
    : m_ownPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_printer(*m_ownPrinter) {
    const PrinterChoice& choice = setup.printer;
    if (!choice.outputFile.isEmpty()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(choice.outputFile);
    } else if (!choice.printerName.isEmpty()) {
        // An empty name would switch the printer to PDF output, so only a real name is
        // handed on; otherwise the system's default printer stays selected.
        m_printer.setPrinterName(choice.printerName);
    }
    m_printer.setCopyCount(std::max(1, choice.copies));
    m_printer.setCollateCopies(true);
    setUp(setup);

    // Without an output file Qt falls back to PDF output when the printer is unknown or
    // when no printer is installed at all; such a job would go nowhere.
    if (choice.outputFile.isEmpty() && m_printer.outputFormat() != QPrinter::NativeFormat) {
        if (choice.printerName.isEmpty())
            setError(tr("No printer is set up on this computer."));
        else
            setError(tr("The printer \"%1\" is not available.").arg(choice.printerName));
        return;
    }
    begin(choice);
}

PrinterSurface::PrinterSurface(QPrinter& printer, const PrintJobSetup& setup)
    : m_printer(printer) {
    setUp(setup);
    begin(setup.printer);
}

void PrinterSurface::setUp(const PrintJobSetup& setup) {
    // Full page: the painter's origin is the paper's corner. Otherwise it is the corner of
    // the printable area, as the printer driver reports it.
    m_printer.setFullPage(setup.origin == PageOrigin::PaperEdge);
    m_printer.setPageSize(QPageSize(QPageSize::Letter));
    m_printer.setPageOrientation(setup.orientation);
    m_printer.setColorMode(setup.color ? QPrinter::Color : QPrinter::GrayScale);
    m_printer.setDocName(setup.documentName);
    m_printer.setCreator(QCoreApplication::applicationName());
    PrintSurface::setColorMode(setup.color ? ColorMode::Color : ColorMode::Monochrome);
    m_offsetX = setup.offsetX;
    m_offsetY = setup.offsetY;
    m_font = currentFont();
}

void PrinterSurface::begin(const PrinterChoice& choice) {
    m_active = m_painter.begin(&m_printer);
    if (!m_active) {
        if (!choice.outputFile.isEmpty())
            setError(tr("The file \"%1\" could not be written.")
                         .arg(QDir::toNativeSeparators(choice.outputFile)));
        else
            setError(tr("The printer \"%1\" could not start the print job.")
                         .arg(m_printer.printerName()));
        return;
    }
    // Every position moves by the alignment offsets, text and rules alike.
    m_painter.translate(toDevice(m_offsetX), toDevice(m_offsetY));
}

PrinterSurface::~PrinterSurface() {
    // A job that was neither ended nor abandoned is incomplete: it must not reach paper.
    if (m_active)
        abort();
}

QFont PrinterSurface::currentFont() const {
    QFont font;
    // "sans-serif" is the generic face where font configuration knows it; the style hint
    // picks a sans face elsewhere and for names that are not installed. Paper is laid out
    // with every shaping rule the font has, whatever the screen's text does.
    font.setFamily(fontName().isEmpty() ? QStringLiteral("sans-serif") : fontName());
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    font.setPointSizeF(fontSize() > 0 ? fontSize() : 10);
    font.setBold(bold());
    font.setUnderline(underline());
    return font;
}

void PrinterSurface::fontSettingChanged() {
    // Layouts set size, bold and underline before a piece of text, often to what they
    // already are: what was measured stands while the font stays the same.
    const QFont font = currentFont();
    if (font == m_font)
        return;
    m_font = font;
    m_metrics.reset();
    m_measuredCount = 0;
    m_painterHasFont = false;
}

const QFontMetricsF& PrinterSurface::metrics() const {
    if (!m_metrics)
        m_metrics.emplace(m_font, &m_printer);
    return *m_metrics;
}

QString PrinterSurface::actualFontFamily() const {
    return QFontInfo(QFont(m_font, &m_printer)).family();
}

double PrinterSurface::toDevice(double twips) const {
    return twips * m_printer.resolution() / TwipsPerInch;
}

double PrinterSurface::toTwips(double deviceUnits) const {
    return deviceUnits * TwipsPerInch / m_printer.resolution();
}

QColor PrinterSurface::inkFor(const QColor& color) const {
    return colorMode() == ColorMode::Monochrome ? QColor(Qt::black) : color;
}

void PrinterSurface::setFontName(const QString& name) {
    PrintSurface::setFontName(name);
    fontSettingChanged();
}

void PrinterSurface::setFontSize(double points) {
    PrintSurface::setFontSize(points);
    fontSettingChanged();
}

void PrinterSurface::setBold(bool on) {
    PrintSurface::setBold(on);
    fontSettingChanged();
}

void PrinterSurface::setUnderline(bool on) {
    PrintSurface::setUnderline(on);
    fontSettingChanged();
}

void PrinterSurface::setColorMode(ColorMode mode) {
    // The printer's own colour mode cannot change once the job has begun; from here on
    // the mode only decides the ink.
    PrintSurface::setColorMode(mode);
}

void PrinterSurface::print(const QString& text, bool stayOnLine) {
    if (m_active && !text.isEmpty()) {
        // Setting the painter's font, even to the one it has, makes it look the font up again
        // for the next text it draws.
        if (!m_painterHasFont) {
            m_painter.setFont(m_font);
            m_painterHasFont = true;
        }
        m_painter.setPen(inkFor(textColor()));
        // The current position is the top of the text; Qt places text by its baseline.
        const QPointF baseline(toDevice(currentX()), toDevice(currentY()) + metrics().ascent());
        m_painter.drawText(baseline, text);
    }
    advance(textWidth(text), textHeight(text), stayOnLine);
}

double PrinterSurface::textWidth(const QString& text) const {
    for (int i = 0; i < m_measuredCount; ++i) {
        if (m_measured[i].text == text)
            return m_measured[i].width;
    }
    const double width = toTwips(metrics().horizontalAdvance(text));
    m_measured[m_nextMeasured] = {text, width};
    m_nextMeasured = (m_nextMeasured + 1) % int(m_measured.size());
    m_measuredCount = std::min(m_measuredCount + 1, int(m_measured.size()));
    return width;
}

double PrinterSurface::textHeight(const QString&) const {
    return toTwips(metrics().lineSpacing());
}

QPen PrinterSurface::pen(const QColor& color) const {
    // Widths of 0 and 1 both give the thinnest rule that still shows on paper: one
    // screen dot, 1/96 inch.
    const double width = std::max(1, drawWidth()) * m_printer.resolution() / PenDotsPerInch;
    return QPen(inkFor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& color) {
    if (m_active) {
        m_painter.setPen(pen(color));
        m_painter.drawLine(QPointF(toDevice(x1), toDevice(y1)),
                           QPointF(toDevice(x2), toDevice(y2)));
    }
    setCurrentX(x2);
    setCurrentY(y2);
}

void PrinterSurface::box(double x1, double y1, double x2, double y2, const QColor& color) {
    if (m_active) {
        m_painter.setPen(pen(color));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(
            QRectF(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)))
                .normalized());
    }
    setCurrentX(x2);
    setCurrentY(y2);
}

bool PrinterSurface::newPage() {
    bool ok = m_active;
    if (m_active && !m_printer.newPage()) {
        setError(tr("The printer could not start page %1.").arg(page() + 1));
        ok = false;
    }
    // The layout moves on to the next page even when the job has failed, so its page
    // breaks stay where they were and it runs to its end; endDoc() then reports the failure.
    startNextPage();
    return ok;
}

bool PrinterSurface::endDoc() {
    if (!m_active)
        return false;
    m_active = false;
    bool ok = m_painter.end() && m_printer.printerState() != QPrinter::Error;
    const QString file = m_printer.outputFileName();
    if (ok && m_printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        // The PDF writer does not report a failed write; an empty or missing file does.
        const QFileInfo written(file);
        ok = written.exists() && written.size() > 0;
    }
    if (!ok) {
        if (file.isEmpty())
            setError(tr("The print job could not be finished."));
        else
            setError(
                tr("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(file)));
    }
    // A page that failed earlier spoils the whole job even when the ending went well.
    return ok && error().isEmpty();
}

void PrinterSurface::abort() {
    if (!m_active)
        return;
    m_active = false;
    m_printer.abort();
    m_painter.end();
    // The PDF writer cannot abandon a job and writes out what it has: an abandoned
    // document must not be left behind looking complete.
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        QFile::remove(m_printer.outputFileName());
}

double PrinterSurface::pageWidth() const {
    return m_printer.pageLayout().fullRect(QPageLayout::Point).width() * TwipsPerPoint;
}

double PrinterSurface::pageHeight() const {
    return m_printer.pageLayout().fullRect(QPageLayout::Point).height() * TwipsPerPoint;
}

} // namespace pellar
