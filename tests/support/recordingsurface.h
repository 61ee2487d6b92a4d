#pragma once
// A print surface that records every operation with its twip coordinates, for layout
// tests. Its metrics are fixed so tests do not depend on installed fonts:
//   text width  = number of characters * font size * 10 twips (half an em each)
//   text height = font size * 24 twips (1.2 em)
//   page        = US Letter portrait, 12240 x 15840 twips (landscape swaps them)
// Positions are recorded where they land on the paper: moved by the job's alignment offsets.

#include "common/core/desk.h"
#include "common/core/printsurface.h"
#include "tests/support/recorded.h"

#include <QList>
#include <QStringList>
#include <memory>

namespace pellar {

struct PrintOp {
    enum class Kind { Text, Line, Box, NewPage, EndDoc, Abort } kind = Kind::Text;
    int page = 1;
    double x = 0, y = 0;   // text: top-left; line/box: first point
    double x2 = 0, y2 = 0; // line/box: second point
    QString text;
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    bool underline = false;
    QColor color;
    int drawWidth = 1;
    ColorMode colorMode = ColorMode::Color;
};

// What one job printed; kept apart from the surface so a test can read it after the
// layout code has ended and dropped the surface.
struct PrintLog {
    QList<PrintOp> ops;
    bool ended = false;
    bool aborted = false;
    int copies = 1;
    bool landscape = false;
    PageOrigin origin = PageOrigin::PaperEdge;
    double offsetX = 0;
    double offsetY = 0;

    testing::Recorded<PrintOp> texts() const;
    // Page 0: the texts of every page.
    testing::Recorded<PrintOp> textsOnPage(int page) const;
    // The first text op whose text equals the given text, or nullptr.
    const PrintOp* findText(const QString& text) const;
    int pageCount() const;
    // Every pair of texts on a page whose boxes (top-left, the fixed metrics' width and
    // height) overlap: what would print over something else. Empty when nothing does.
    QStringList overlaps() const;
};

class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(std::shared_ptr<PrintLog> log = std::make_shared<PrintLog>(),
                              bool landscape = false);
    // A surface for a job: its orientation, origin and offsets.
    RecordingSurface(std::shared_ptr<PrintLog> log, const PrintJobSetup& setup);

    std::shared_ptr<PrintLog> log() const { return m_log; }

    void print(const QString& text, bool stayOnLine = false) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("Ag")) const override;
    void line(double x1, double y1, double x2, double y2, const QColor& color = Qt::black) override;
    void box(double x1, double y1, double x2, double y2, const QColor& color = Qt::black) override;
    bool newPage() override;
    bool endDoc() override;
    void abort() override;
    double pageWidth() const override;
    double pageHeight() const override;

private:
    PrintOp op(PrintOp::Kind kind) const;
    // A line or a box from (x1, y1) to (x2, y2); the current position ends at the second point.
    void shape(PrintOp::Kind kind, double x1, double y1, double x2, double y2, const QColor& color);
    std::shared_ptr<PrintLog> m_log;
    bool m_landscape = false;
    QString m_outputFile;
};

} // namespace pellar
