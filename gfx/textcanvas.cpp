#include "textcanvas.h"

#include "fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <utility>

QFont TextCanvas::resolveFont(const QString &face, int size, bool bold, bool underline) const
{
    return Fonts::font(face, size, bold, underline);
}

int TextCanvas::fontUnits() const
{
    return int(std::lround(m_fontSize * unitsPerPoint()));
}

TextCanvas::ResolvedFont &TextCanvas::resolved(bool bold, bool underline) const
{
    const int units = fontUnits();
    const auto same = [&](const ResolvedFont &f) {
        return f.units == units && f.bold == bold && f.underline == underline &&
               f.name == m_fontName;
    };
    auto found = std::find_if(m_fonts.begin(), m_fonts.end(), same);
    if (found == m_fonts.end()) {
        found = m_fonts.end() - 1;
        *found = {m_fontName, units, bold, underline,
                  resolveFont(m_fontName, units, bold, underline)};
    }
    std::rotate(m_fonts.begin(), found, found + 1);
    return m_fonts.front();
}

const TextCanvas::ResolvedFont &TextCanvas::regularMetrics() const
{
    ResolvedFont &regular = resolved(false, false);
    if (regular.height < 0) {
        const QFontMetricsF metrics(*regular.font);
        regular.ascent = metrics.ascent();
        regular.height = metrics.height();
    }
    return regular;
}

QFont TextCanvas::font() const
{
    return *resolved(m_bold, m_underline).font;
}

double TextCanvas::textWidth(const QString &text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text);
}

double TextCanvas::textHeight() const
{
    // One pitch for bold and regular type alike, so that lines written in
    // either face stay on the same baselines: the regular face's line height.
    return regularMetrics().height;
}

double TextCanvas::baselineOffset() const
{
    return regularMetrics().ascent;
}

double TextCanvas::columnWidth() const
{
    // The classic average character width: lower-case letters and the space
    // weighted by how often they occur in text. Fonts report this figure in
    // different ways; computing it keeps metric-compatible fonts in step.
    static constexpr std::pair<char, int> Weights[] = {
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14},
        {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20}, {'n', 56},
        {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71}, {'u', 31},
        {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166}};
    const QFontMetricsF metrics(font());
    double sum = 0;
    for (const auto &[c, weight] : Weights)
        sum += weight * metrics.horizontalAdvance(QLatin1Char(c));
    return wholeUnits(sum / 1000.0);
}

void TextCanvas::print(const QString &text)
{
    // The line ends here, so the text's width is never needed.
    if (!text.isEmpty()) drawText(m_x, m_y, text);
    newLine();
}

void TextCanvas::printStay(const QString &text)
{
    if (!text.isEmpty()) drawText(m_x, m_y, text);
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
    if (m_x > x + 1e-9) newLine();
    m_x = x;
}

void TextCanvas::spc(int count)
{
    if (count > 0) m_x += count * columnWidth();
}
