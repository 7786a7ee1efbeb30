#include "textcanvas.h"

#include <QFontMetricsF>

#include <cmath>

QFont TextCanvas::font() const
{
    QFont f(m_fontName);
    const double size = m_fontSize * unitsPerPoint();
    f.setPixelSize(std::max(1, int(std::lround(size))));
    f.setBold(m_bold);
    f.setUnderline(m_underline);
    f.setStyleHint(QFont::AnyStyle, QFont::PreferDefault);
    return f;
}

double TextCanvas::textWidth(const QString &text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text);
}

double TextCanvas::textHeight() const
{
    return QFontMetricsF(font()).height();
}

double TextCanvas::columnWidth() const
{
    return QFontMetricsF(font()).averageCharWidth();
}

void TextCanvas::print(const QString &text)
{
    printStay(text);
    newLine();
}

void TextCanvas::printStay(const QString &text)
{
    if (!text.isEmpty())
        drawText(m_x, m_y, text);
    m_x += textWidth(text);
}

void TextCanvas::newLine()
{
    m_x = 0;
    m_y += textHeight();
}

void TextCanvas::tab(int column)
{
    const double x = (column - 1) * columnWidth();
    if (m_x > x + 1e-9)
        newLine();
    m_x = x;
}

void TextCanvas::spc(int count)
{
    if (count > 0)
        m_x += count * columnWidth();
}
