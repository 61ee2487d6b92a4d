#pragma once
// The print surface on a real QPrinter (a system printer or a PDF file). Twips count from
// the paper's edge (full page); text is measured with the printer's own font metrics.

#include "common/core/desk.h"
#include "common/core/printsurface.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <memory>

namespace pellar {

class PrinterSurface : public PrintSurface {
public:
    // Sets the printer up (Letter, orientation, copies, colour, output file) and begins
    // painting. Check error() afterwards: non-empty when the job could not start.
    // A surface dropped without endDoc() abandons its job.
    explicit PrinterSurface(const PrintJobSetup& setup);
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
    double toDevice(double twips) const;
    double toTwips(double deviceUnits) const;
    QColor inkFor(const QColor& color) const;
    QPen pen(const QColor& color) const;

    QPrinter m_printer;
    QPainter m_painter;
    QFont m_font;
    bool m_active = false;
};

} // namespace pellar
