#include "tests/support/recordingsurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRectF>
#include <algorithm>

namespace pellar {

namespace {
constexpr double LetterShortSide = 12240; // 8.5 in
constexpr double LetterLongSide = 15840;  // 11 in
} // namespace

testing::Recorded<PrintOp> PrintLog::texts() const {
    return textsOnPage(0);
}

testing::Recorded<PrintOp> PrintLog::textsOnPage(int page) const {
    QList<PrintOp> result;
    for (const PrintOp& op : ops) {
        if (op.kind == PrintOp::Kind::Text && (page == 0 || op.page == page))
            result.append(op);
    }
    return result;
}

const PrintOp* PrintLog::findText(const QString& text) const {
    const auto found = std::find_if(ops.begin(), ops.end(), [&text](const PrintOp& op) {
        return op.kind == PrintOp::Kind::Text && op.text == text;
    });
    return found == ops.end() ? nullptr : &*found;
}

int PrintLog::pageCount() const {
    return 1 + int(std::count_if(ops.begin(), ops.end(), [](const PrintOp& op) {
               return op.kind == PrintOp::Kind::NewPage;
           }));
}

RecordingSurface::RecordingSurface(std::shared_ptr<PrintLog> log, bool landscape)
    : m_log(log ? std::move(log) : std::make_shared<PrintLog>())
    , m_landscape(landscape) {
    m_log->landscape = landscape;
}

RecordingSurface::RecordingSurface(std::shared_ptr<PrintLog> log, const PrintJobSetup& setup)
    : RecordingSurface(std::move(log), setup.orientation == QPageLayout::Landscape) {
    m_log->copies = setup.printer.copies;
    m_log->origin = setup.origin;
    m_log->offsetX = setup.offsetX;
    m_log->offsetY = setup.offsetY;
    m_outputFile = setup.printer.outputFile;
    setColorMode(setup.color ? ColorMode::Color : ColorMode::Monochrome);
}

QStringList PrintLog::overlaps() const {
    // The fixed metrics: half an em per character, 1.2 em a line.
    const auto rectOf = [](const PrintOp& op) {
        return QRectF(op.x, op.y, op.text.size() * op.fontSize * 10, op.fontSize * 24);
    };
    QStringList found;
    const QList<PrintOp> all = texts();
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            const PrintOp& a = all[i];
            const PrintOp& b = all[j];
            if (a.page != b.page || a.text.trimmed().isEmpty() || b.text.trimmed().isEmpty())
                continue;
            if (rectOf(a).intersects(rectOf(b)))
                found
                    << QStringLiteral("page %1: \"%2\" and \"%3\"").arg(a.page).arg(a.text, b.text);
        }
    }
    return found;
}

PrintOp RecordingSurface::op(PrintOp::Kind kind) const {
    PrintOp op;
    op.kind = kind;
    op.page = page();
    op.x = currentX() + m_log->offsetX;
    op.y = currentY() + m_log->offsetY;
    op.fontName = fontName();
    op.fontSize = fontSize();
    op.bold = bold();
    op.underline = underline();
    op.color = textColor();
    op.drawWidth = drawWidth();
    op.colorMode = colorMode();
    return op;
}

void RecordingSurface::print(const QString& text, bool stayOnLine) {
    PrintOp textOp = op(PrintOp::Kind::Text);
    textOp.text = text;
    m_log->ops.append(textOp);
    advance(textWidth(text), textHeight(text), stayOnLine);
}

double RecordingSurface::textWidth(const QString& text) const {
    return text.size() * fontSize() * 10;
}

double RecordingSurface::textHeight(const QString&) const {
    return fontSize() * 24;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, const QColor& color) {
    shape(PrintOp::Kind::Line, x1, y1, x2, y2, color);
}

void RecordingSurface::box(double x1, double y1, double x2, double y2, const QColor& color) {
    shape(PrintOp::Kind::Box, x1, y1, x2, y2, color);
}

void RecordingSurface::shape(PrintOp::Kind kind, double x1, double y1, double x2, double y2,
                             const QColor& color) {
    PrintOp shapeOp = op(kind);
    shapeOp.x = x1 + m_log->offsetX;
    shapeOp.y = y1 + m_log->offsetY;
    shapeOp.x2 = x2 + m_log->offsetX;
    shapeOp.y2 = y2 + m_log->offsetY;
    shapeOp.color = color;
    m_log->ops.append(shapeOp);
    setCurrentX(x2);
    setCurrentY(y2);
}

bool RecordingSurface::newPage() {
    m_log->ops.append(op(PrintOp::Kind::NewPage));
    startNextPage();
    return true;
}

bool RecordingSurface::endDoc() {
    m_log->ops.append(op(PrintOp::Kind::EndDoc));
    m_log->ended = true;
    // A job to a file in a real folder leaves a file, as the real one does: a line per text,
    // so a test can tell two copies apart, and a failed write when the folder cannot take it.
    // A made-up path ("/out/x.pdf") is only recorded.
    if (m_outputFile.isEmpty() || !QFileInfo(m_outputFile).absoluteDir().exists())
        return true;
    QFile file(m_outputFile);
    QByteArray bytes = "%PDF recorded\n";
    for (const PrintOp& text : m_log->texts())
        bytes += text.text.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        setError(QStringLiteral("The file \"%1\" could not be written.").arg(m_outputFile));
        return false;
    }
    return true;
}

void RecordingSurface::abort() {
    m_log->ops.append(op(PrintOp::Kind::Abort));
    m_log->aborted = true;
}

double RecordingSurface::pageWidth() const {
    return m_landscape ? LetterLongSide : LetterShortSide;
}

double RecordingSurface::pageHeight() const {
    return m_landscape ? LetterShortSide : LetterLongSide;
}

} // namespace pellar
