#pragma once

#include "colour.h"

#include <QFont>
#include <QString>

#include <array>
#include <optional>

class Surface;

// The text side shared by picture surfaces (pixels) and printer pages (twips):
// a font, a fore colour and a text cursor, with print-list items that either end
// the line or leave the cursor just after what they printed.
class TextCanvas
{
public:
    virtual ~TextCanvas() = default;

    void setFontName(const QString &name) { m_fontName = name; }
    QString fontName() const { return m_fontName; }
    void setFontSize(double points) { m_fontSize = points; }
    double fontSize() const { return m_fontSize; }
    void setFontBold(bool bold) { m_bold = bold; }
    bool fontBold() const { return m_bold; }
    void setFontUnderline(bool underline) { m_underline = underline; }
    bool fontUnderline() const { return m_underline; }

    void setForeColor(Colour colour) { m_foreColor = colour; }
    Colour foreColor() const { return m_foreColor; }

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    // Prints text at the cursor and ends the line.
    void print(const QString &text);
    // Prints text at the cursor and leaves the cursor just after it.
    void printStay(const QString &text);
    // Ends the line: the cursor goes to the left edge, one text line down.
    void newLine();
    // Column item: moves to column c (1-based); a column already passed is
    // reached on the next line.
    void tab(int column);
    // Space item: advances the cursor by n average character widths.
    void spc(int count);

    double textWidth(const QString &text) const;
    // The height of one text line at the current face and size, bold or not.
    double textHeight() const;
    // From the top of a text line down to its baseline; bold and regular text on
    // one line share it.
    double baselineOffset() const;
    // Average character width of the current font: the width of one column.
    double columnWidth() const;

    // The current font as it is measured and drawn on this canvas.
    QFont font() const;

    // Copies a picture at its natural size with its top-left corner at (x, y).
    virtual void paintPicture(const Surface &picture, double x, double y) = 0;

protected:
    // The font for a face name, size in canvas units and style: the carried
    // faces. A canvas may measure with other faces, as tests do.
    virtual QFont resolveFont(const QString &face, int size, bool bold, bool underline) const;
    // Canvas units per point of font size: 4/3 on a 96 dpi pixel surface, 20 in
    // twips. Font sizes are rounded to whole units, as the screen does to pixels.
    virtual double unitsPerPoint() const = 0;
    // Draws text whose line starts at y; its baseline is y + baselineOffset().
    virtual void drawText(double x, double y, const QString &text) = 0;
    // Font metrics as the canvas reports them: whole pixels on screen.
    virtual double wholeUnits(double value) const { return value; }

private:
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 8.25;
    bool m_bold = false;
    bool m_underline = false;
    Colour m_foreColor = ColourBlack;
    int fontUnits() const;
    // A resolved font with what it was resolved from, and its line metrics once
    // asked for.
    struct ResolvedFont
    {
        QString name;
        int units = -1;
        bool bold = false;
        bool underline = false;
        // Made when resolved: there are no fonts before the application object.
        std::optional<QFont> font;
        double ascent = -1;
        double height = -1;
    };
    ResolvedFont &resolved(bool bold, bool underline) const;
    // The regular face at the current size, with its metrics filled in.
    const ResolvedFont &regularMetrics() const;
    // The fonts last resolved, the latest first. A font kept keeps its metrics
    // and glyphs at hand, where a font made anew for every measured or drawn
    // word looks them up again; the table switches between two faces and sizes
    // in every cell, each with its regular face for the line metrics.
    mutable std::array<ResolvedFont, 4> m_fonts;
    double m_x = 0;
    double m_y = 0;
};
