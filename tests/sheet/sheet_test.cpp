#include "sheetfixture.h"
#include "strwwrap.h"

#include <QFontMetricsF>
#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;
using namespace sheetfixture;

namespace {

QString shown(int line, const ElementRecord &r)
{
    const SheetValue v = sheetValue(line, r, classNames());
    return v.text + v.suffix;
}

// n characters without any break character, but for the given ones at 1-based positions.
QString text(int n, const std::vector<std::pair<int, QChar>> &breaks = {})
{
    QString s(n, u'x');
    for (const auto &[position, c] : breaks)
        s[position - 1] = c;
    return s;
}

} // namespace

TEST(SheetValues, PaddingPointAndOddValuesInAnyLocale)
{
    // The command-line test holds Fe's 29 values with spaces folded; here the padding.
    // Under a German locale the point holds.
    const QLocale before;
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default still changes
    const QString comma = QLocale().toString(1.5);
    QStringList got;
    for (int line : {3, 4, 5, 8, 14, 19, 27})
        got << shown(line, shippedData().ElementTable[26]);
    // Zero weight, a negative density (only exactly 0 is no value), no class,
    // a blank text (leaving only the unit) and every state; Og's golden page
    // pins the dashes of zero figures.
    ElementRecord r = shippedData().ElementTable[26];
    r.AtomicWeight = 0, r.Density = -12.5, r.Classification = 0;
    r.IonicRadius = QString(20, u' ');
    got << shown(5, r) << shown(8, r) << shown(3, r) << shown(19, r);
    for (qint16 state : {0, 1, 2, 3})
        got << (r.State = state, shown(4, r));
    QLocale::setDefault(before);
    std::setlocale(LC_ALL, cBefore.c_str());
    EXPECT_EQ(comma, u"1,5"_s); // the locale really was in force
    EXPECT_EQ(got.join(u'|'), u"Transition Metal"_s.leftJustified(50) +
                                  u"|Solid  |55.845     g/mol|"_s +
                                  u"7.874   g/cm³"_s.leftJustified(28) +
                                  u"|0.449     Jg-¹K-¹ (at 300 K)|0.78 (+2)    Å|"_s +
                                  u"Known since antiquity"_s.leftJustified(30) +
                                  u"|0     g/mol|"_s + u"-12.5   g/cm³"_s.leftJustified(28) +
                                  u"||    Å|Solid  |Liquid  |Gas  |Artificial (Man Made)  "_s);
}

TEST(SheetWrap, BreaksAt46AndKeepsToTwoOrThreeLines)
{
    const std::pair<std::vector<std::pair<int, QChar>>, int> cases[] = {
        {{{10, u' '}, {46, u' '}}, 46},            // a break at 46 itself
        {{{51, u' '}}, 46},                        // none among the first 46: hard split
        {{{4, u','}, {10, u'-'}}, 10},             // the last break at 10
        {{{21, u'.'}, {30, u';'}, {47, u'-'}}, 21} // ';' is no break character
    };
    for (const auto &[breaks, expected] : cases)
        EXPECT_EQ(StrWWrap(46, text(60, breaks)), expected) << expected;

    // 45 characters stay whole and 46 break after the break character, on both lines.
    const QString s45 = text(45, {{21, u' '}}), s46 = s45 + u'y';
    for (int lines : {2, 3}) {
        EXPECT_EQ(wrapSheetText(s45, lines), QStringList{s45});
        EXPECT_EQ(wrapSheetText(s46, lines), (QStringList{s46.left(21), s46.mid(21)}));
    }
    // Appearance keeps to two lines; the rest is not trimmed again; a Name Origin
    // rest of 45 characters stays one line.
    const QString comma = text(100, {{46, u','}, {47, u' '}});
    EXPECT_EQ(wrapSheetText(comma, 2), (QStringList{comma.left(46), comma.mid(46)}));
    EXPECT_EQ(wrapSheetText(text(85, {{40, u','}}), 3),
              (QStringList{text(40, {{40, u','}}), text(45)}));
}

namespace {

// A pixel surface that also keeps where (y) and in which colour it first drew each text.
struct RecordingSurface : Surface
{
    using Surface::Surface;
    std::map<QString, std::pair<double, Colour>> texts;
    void drawText(double x, double y, const QString &text) override
    {
        texts.try_emplace(text, y, foreColor());
        Surface::drawText(x, y, text);
    }
};

} // namespace

TEST(ScreenSheet, WrappedTextsTakeLinesOfTheirOwn)
{
    ElementData data = shippedData();
    ElementRecord &r = data.ElementTable[26];
    const QString origin = QString(39, u'a') + u' ' + QString(43, u'b') + u'-' + QString(16, u'c');
    r.Appearance = u"Lustrous, metallic, and silver with a gray tinge"_s.leftJustified(60);
    r.NameOrigin = origin.leftJustified(100);
    r.AtomicNumber = 27; // the header shows the record's own number
    RecordingSurface pb(339, 479, 0xE0E0E0);
    const SheetRows rows = screenSheet(pb, data, 26);
    auto &drawn = pb.texts; // a text never drawn reads as y 0, colour 0
    EXPECT_EQ(drawn[u" 27"_s].second, ColourRed);
    // A two-line Appearance pushes the three lines of Name Origin down by one.
    const double y1 = drawn[u"Period: "_s].first, pitch = drawn[u"Group: "_s].first - y1;
    const std::tuple<QString, int, Colour> lines[] = {{u"tinge"_s, 29, ColourBlue},
                                                      {u"Name Origin: "_s, 30, ColourBlack},
                                                      {origin.left(40), 30, ColourBlack},
                                                      {origin.mid(84), 32, ColourBlack}};
    for (const auto &[text, line, colour] : lines)
        EXPECT_EQ(std::pair((drawn[text].first - y1) / pitch + 1, drawn[text].second),
                  std::pair(double(line), colour))
            << text.toStdString();
    // The rows each line takes, for its tooltip: the title above the block, then
    // one screen line each, Appearance two, Name Origin three.
    const auto row = [&](int from, int to) {
        return std::pair(int(std::lround(y1 + from * pitch)), int(std::lround(y1 + to * pitch)));
    };
    EXPECT_EQ(std::tuple(rows.rows[0], rows.rows[1], rows.rows[27], rows.rows[28], rows.rows[29]),
              std::tuple(std::pair(0, row(0, 1).first), row(0, 1), row(26, 27), row(27, 29),
                         row(29, 32)));
    // Each row runs from its top to just above the next one's.
    const int top = row(0, 1).first, end = row(29, 32).second;
    EXPECT_EQ(std::tuple(rows.lineAt(0), rows.lineAt(top - 0.5), rows.lineAt(top),
                         rows.lineAt(row(27, 29).second - 0.5), rows.lineAt(row(27, 29).second),
                         rows.lineAt(end - 0.5), rows.lineAt(end), rows.lineAt(-1)),
              std::tuple(0, 0, 1, 28, 29, 29, -1, -1));
    // Nothing drawn, no rows.
    EXPECT_EQ(screenSheet(pb, data, 119).lineAt(y1), -1);
}

namespace {

// A page whose bold face is a fifth taller than its regular face, as some
// installed Courier faces are: lines must still keep one pitch.
struct TallBoldPage : PageCanvas
{
    QFont resolveFont(const QString &face, int size, bool bold, bool underline) const override
    {
        return PageCanvas::resolveFont(face, bold ? size * 6 / 5 : size, bold, underline);
    }
};

} // namespace

TEST(PrintSheet, CountsUnderTheirLevelsAndValuesOnTheirLabelsBaselines)
{
    TallBoldPage page;
    printSheet(page, 26, 11520);
    // Courier 10: 120 twips a column, 226.5625 a line. The first text at (x, y), -1 for any.
    constexpr double Pitch = 226.5625;
    const auto printed = [&page](const QString &text, double x = -1, double y = -1) {
        for (const PageCanvas::Item &item : page.items())
            if (item.kind == PageCanvas::Item::Text && item.text == text &&
                (x < 0 || std::abs(item.x - x) < 2) && (y < 0 || std::abs(item.y - y) < 0.01))
                return item;
        ADD_FAILURE() << "not printed: " << text.toStdString() << " at " << x << ", " << y;
        return PageCanvas::Item{};
    };
    // The print-fe golden pins the legend; here its lines keep one pitch under a
    // taller bold face, and Fe's count of 14 sits 70 twips right of its level's digit.
    const double top = printed(u"Protons:"_s, 6360).y;
    EXPECT_TRUE(printed(u"4"_s, 9360, top + 5 * Pitch).font.underline());
    EXPECT_FALSE(printed(u"14"_s, 8830, top + 6 * Pitch).font.underline());
    // Fe's values at column 30, each on its bold label's baseline, one pitch apart.
    const std::pair<int, const char16_t *> lines[] = {
        {1, u"4"},
        {12, u"1811"},
        {27, u"Known since antiquity         "},
        {29, u"Anglo-Saxon iren; the symbol Fe is from Latin ferrum"}};
    const double first = printed(sheetLabel(1)).baseline;
    for (const auto &[line, value] : lines) {
        const double label = printed(sheetLabel(line)).baseline;
        EXPECT_DOUBLE_EQ(printed(QString::fromUtf16(value), 3480).baseline, label) << line;
        EXPECT_NEAR(label - first, (line - 1) * Pitch, 0.01) << line;
    }
}

TEST(PrintSheet, EveryElementsTextStaysInsideThePrintableWidth)
{
    constexpr double Width = 11000;
    for (qint16 n = 1; n <= 118; ++n) {
        PageCanvas page;
        printSheet(page, n, Width);
        QString origin;
        for (const PageCanvas::Item &item : page.items()) {
            if (item.kind != PageCanvas::Item::Text) continue;
            EXPECT_LE(item.x + QFontMetricsF(item.font).horizontalAdvance(item.text), Width)
                << n << ": " << item.text.toStdString();
            if (item.y > page.items().back().y - 3 * 227) origin += item.text;
        }
        // Nothing is lost: the wrapped lines still make up the whole text.
        EXPECT_TRUE(n != 23 || origin.endsWith(u"Vanadis, a name of the Norse goddess Freyja, "
                                               u"for its colourful compounds"_s))
            << origin.toStdString();
    }
}
