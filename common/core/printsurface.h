#pragma once
// The print surface: a simple line printer addressed in twips (1440 per inch) from the
// top-left corner of the page.
//
// print(text) puts the text with its top-left corner at the current position. It then
// ends the line (x back to 0, y down by one text height) or, with stayOnLine, moves x to
// just after the text. Layout code only ever talks to this interface.

#include <QColor>
#include <QString>

namespace pellar {

enum class ColorMode { Color, Monochrome };

class PrintSurface {
public:
    virtual ~PrintSurface();

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double twips) { m_x = twips; }
    void setCurrentY(double twips) { m_y = twips; }

    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool bold() const { return m_bold; }
    bool underline() const { return m_underline; }
    QColor textColor() const { return m_textColor; }
    ColorMode colorMode() const { return m_colorMode; }
    int drawWidth() const { return m_drawWidth; }

    virtual void setFontName(const QString& name) { m_fontName = name; }
    virtual void setFontSize(double points) { m_fontSize = points; }
    virtual void setBold(bool on) { m_bold = on; }
    virtual void setUnderline(bool on) { m_underline = on; }
    virtual void setTextColor(const QColor& color) { m_textColor = color; }
    virtual void setColorMode(ColorMode mode) { m_colorMode = mode; }
    // Pen width for lines and boxes, in device dots of a 96-dpi screen, as the old printer
    // object counted them.
    virtual void setDrawWidth(int dots) { m_drawWidth = dots; }

    virtual void print(const QString& text, bool stayOnLine = false) = 0;
    // Width and height of the text in the current font, in twips.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text = QStringLiteral("Ag")) const = 0;

    // A straight line; the current position moves to its end.
    virtual void line(double x1, double y1, double x2, double y2,
                      const QColor& color = Qt::black) = 0;
    // An unfilled rectangle; the current position moves to the second corner.
    virtual void box(double x1, double y1, double x2, double y2,
                     const QColor& color = Qt::black) = 0;

    // Ends the page; the next one starts at (0, 0) with the page number one up.
    virtual bool newPage() = 0;
    // Ends the job and releases it to the printer. Returns false when the job failed.
    virtual bool endDoc() = 0;
    // Abandons the job.
    virtual void abort() = 0;

    int page() const { return m_page; }
    // The paper's size in twips.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    // Plain words about the first failure, empty while all is well.
    QString error() const { return m_error; }

protected:
    void advance(double width, double height, bool stayOnLine);
    void startNextPage();
    void setError(const QString& error);

private:
    double m_x = 0;
    double m_y = 0;
    QString m_fontName;
    double m_fontSize = 10;
    bool m_bold = false;
    bool m_underline = false;
    QColor m_textColor = Qt::black;
    ColorMode m_colorMode = ColorMode::Color;
    int m_drawWidth = 1;
    int m_page = 1;
    QString m_error;
};

// Positions in inches: a coordinate of 0 or less leaves that coordinate unchanged.
// The result is rounded to the nearest whole twip.
void SetPrintPosition(PrintSurface& surface, float xInches, float yInches);
// A size of 0 or less keeps the size; bold and underline are always set.
void SetPrintFont(PrintSurface& surface, int size, bool bold, bool underline);

// x for text that ends at rightX in the current font.
double rightAlignedX(const PrintSurface& surface, const QString& text, double rightX);
// Prints the text so that it ends at rightX (its measured width decides where it starts).
void printRightAligned(PrintSurface& surface, const QString& text, double rightX,
                       bool stayOnLine = false);

// The text as it fits a column of `width` twips in the current font: whole when it fits,
// otherwise cut and ended with "…" (the ellipsis included in the width).
QString fittedToWidth(const PrintSurface& surface, const QString& text, double width);

inline constexpr double kTwipsPerInch = 1440;
// Inches to whole twips, and twips to the inches SetPrintPosition takes.
double twipsFromInches(double inches);
float inchesFromTwips(double twips);

} // namespace pellar
