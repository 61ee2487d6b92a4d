#pragma once
// The print surface on a real QPrinter (a system printer, a PDF file or a print preview).
// Twips count from the paper's edge or from the printable area's corner, as the job says,
// moved by the job's alignment offsets; text is measured with the printer's own metrics.

#include "common/core/desk.h"
#include "common/core/printsurface.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <array>
#include <memory>
#include <optional>

namespace pellar {

class PrinterSurface : public PrintSurface {
    Q_DECLARE_TR_FUNCTIONS(PrinterSurface)

public:
    // Sets the printer up (Letter, orientation, copies, colour, output file) and begins
    // painting. Check error() afterwards: non-empty when the job could not start.
    // A surface dropped without endDoc() abandons its job.
    explicit PrinterSurface(const PrintJobSetup& setup);
    // Paints on a printer set up elsewhere (a print preview's); the job's origin and offsets
    // still apply. The printer must outlive the surface.
    PrinterSurface(QPrinter& printer, const PrintJobSetup& setup);
    ~PrinterSurface() override;

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

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setColorMode(ColorMode mode) override;

    // The face the printer really uses for the current font: the platform's substitute
    // when the named one is not installed.
    QString actualFontFamily() const;

private:
    QFont currentFont() const;
    // After a font setting: the font the surface prints and measures with from now on.
    void fontSettingChanged();
    const QFontMetricsF& metrics() const;
    double toDevice(double twips) const;
    double toTwips(double deviceUnits) const;
    QColor inkFor(const QColor& color) const;
    QPen pen(const QColor& color) const;

    void setUp(const PrintJobSetup& setup);
    void begin(const PrinterChoice& choice);

    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter& m_printer;
    QPainter m_painter;
    double m_offsetX = 0; // twips
    double m_offsetY = 0;
    QFont m_font;
    // The current font's metrics, and the last texts measured in it, kept until the font
    // changes: layouts measure a text (or try a few cuts of it) before they print it.
    struct MeasuredText {
        QString text;
        double width = 0; // twips
    };
    mutable std::optional<QFontMetricsF> m_metrics;
    mutable std::array<MeasuredText, 8> m_measured;
    mutable int m_measuredCount = 0;
    mutable int m_nextMeasured = 0; // the slot the next measurement takes
    bool m_painterHasFont = false;  // the painter draws in m_font already
    bool m_active = false;
};

} // namespace pellar
