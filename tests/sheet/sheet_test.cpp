#include "atomsprites.h"
#include "datasheet.h"
#include "strwwrap.h"
#include "testdata.h"

#include <QFontMetricsF>
#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

ClassificationNames classNames()
{
    ClassificationNames names;
    InitClassificationNames(names);
    return names;
}

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

TEST(SheetValues, IronsTwentyNineLinesInAnyLocale)
{
    // Lines 1 to 29, '|' between them; padding kept as the fields hold it.
    const QStringList lines =
        (u"4|8     [VIIIB]|"_s + u"Transition Metal"_s.leftJustified(50) +
         u"|Solid  |55.845     g/mol|7.09     cm³/mol|1.4|"_s +
         u"7.874   g/cm³"_s.leftJustified(28) +
         u"|1.83|1.00 10^7 S/m|80     Wm-¹K-¹ (at 300 K)|1811     K|3134     K|"
         u"0.449     Jg-¹K-¹ (at 300 K)|13.81     kj/mol|340     kj/mol|470|1.32      Å|"
         u"0.78 (+2)    Å|762.5      kj/mol|+2,+3|Body-centered cubic|2.8665     (A)|0|"
         u"[Ar] 3d6 4s2|Anc.|"_s +
         u"Known since antiquity"_s.leftJustified(30) +
         u"|Lustrous grey metal|Anglo-Saxon iren; the symbol Fe is from Latin ferrum"_s)
            .split(u'|');
    // Under a German locale the point holds.
    const QLocale before;
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default still changes
    const QString comma = QLocale().toString(1.5);
    QStringList got;
    for (int line = 1; line <= 29; ++line)
        got << shown(line, shippedData().ElementTable[26]);
    QLocale::setDefault(before);
    std::setlocale(LC_ALL, cBefore.c_str());
    EXPECT_EQ(comma, u"1,5"_s); // the locale really was in force
    ASSERT_EQ(lines.size(), 29);
    for (int line = 1; line <= 29; ++line)
        EXPECT_EQ(got[line - 1], lines[line - 1]) << "line " << line;
}

TEST(SheetValues, DashesForZeroClassesAndStates)
{
    using R = ElementRecord;
    R r = shippedData().ElementTable[26];
    for (double R::*field :
         {&R::AtomicWeight, &R::AtomicVolume, &R::AtomicRadius, &R::Density, &R::ThermalConduct,
          &R::MeltingPoint, &R::BoilingPoint, &R::SpecificHeat, &R::FusionHeat, &R::EvaporationHeat,
          &R::DebyeTemp, &R::CovalentRadius, &R::IonizingEnergy, &R::CrystalConstant})
        r.*field = 0;
    QStringList zero;
    for (int line : {5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17, 18, 20, 23})
        zero << shown(line, r);
    EXPECT_EQ(zero.join(u'|'),
              u"0     g/mol|--|--|--|0     Wm-¹K-¹ (at 300 K)|--|--|--|--|--|--|--|--|"
              u"0     (A)"_s);
    r.Density = -12.5; // only exactly 0 is no value
    EXPECT_EQ(shown(8, r), u"-12.5   g/cm³"_s.leftJustified(28));
    QStringList states;
    for (qint16 state : {0, 1, 2, 3})
        states << (r.State = state, shown(4, r));
    EXPECT_EQ(states.join(u'|'), u"Solid  |Liquid  |Gas  |Artificial (Man Made)  "_s);
    r.Classification = 0;
    r.IonicRadius = QString(20, u' '); // leaves only the unit
    EXPECT_EQ(std::pair(shown(3, r), shown(19, r)), std::pair(QString(), u"    Å"_s));
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

// A pixel surface that also keeps every text it draws: text, y and colour.
struct RecordingSurface : Surface
{
    using Surface::Surface;
    std::vector<std::tuple<QString, double, Colour>> texts;
    void drawText(double x, double y, const QString &text) override
    {
        texts.emplace_back(text, y, foreColor());
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
    const std::array<Surface, 4> none;
    RecordingSurface pb(339, 479, 0xE0E0E0);
    writeScreenSheet(pb, data, 26, classNames(), {none, none});
    const auto drawn = [&pb](const QString &text) {
        for (const auto &[t, y, colour] : pb.texts)
            if (t == text) return std::pair(y, colour);
        ADD_FAILURE() << "not drawn: " << text.toStdString();
        return std::pair(0.0, Colour(0));
    };
    EXPECT_EQ(drawn(u" 27"_s).second, ColourRed);
    // A two-line Appearance pushes the three lines of Name Origin down by one.
    const double y1 = drawn(u"Period: "_s).first, pitch = drawn(u"Group: "_s).first - y1;
    const std::tuple<QString, int, Colour> lines[] = {
        {u"Lustrous, metallic, and silver with a gray "_s, 28, ColourBlue},
        {u"tinge"_s, 29, ColourBlue},
        {u"Name Origin: "_s, 30, ColourBlack},
        {origin.left(40), 30, ColourBlack},
        {origin.mid(40, 44), 31, ColourBlack},
        {origin.mid(84), 32, ColourBlack}};
    for (const auto &[text, line, colour] : lines)
        EXPECT_EQ(std::pair((drawn(text).first - y1) / pitch + 1, drawn(text).second),
                  std::pair(double(line), colour))
            << text.toStdString();
}

namespace {

// The print sheet of element n, with the atom picture 6060 twips high.
void printSheet(PageCanvas &page, qint16 n, double pageWidth)
{
    Surface pbprt(8, 8);
    const AtomSprites &s = atomSprites();
    writePrintSheet(page, pbprt, shippedData(), n, classNames(), {s.pbP, s.pbN, s.pbE, s.pbEmask},
                    6060, pageWidth);
}

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
    // The legend at column 54, its lines two apart; level digits underlined, three
    // spaces apart; counts right-aligned under them, two digits 70 twips further right.
    const double top = printed(u"Protons:"_s, 6360).y;
    const std::tuple<const char16_t *, double, int, bool> legend[] = {
        {u" 26", 7680, 0, false}, {u" 30", 7680, 2, false},        {u"Electrons:", 6360, 4, false},
        {u" 26", 7680, 4, false}, {u"    Level:", 6360, 5, false}, {u"1", 7920, 5, true},
        {u"4", 9360, 5, true},    {u"2", 7920, 6, false},          {u"8", 8400, 6, false},
        {u"14", 8830, 6, false},  {u"2", 9360, 6, false}};
    for (const auto &[text, x, line, underline] : legend)
        EXPECT_EQ(printed(QString::fromUtf16(text), x, top + line * Pitch).font.underline(),
                  underline);
    // Fe's values at column 30, each on its bold label's baseline, one pitch apart.
    const std::pair<int, const char16_t *> lines[] = {
        {1, u"4"},
        {5, u"55.845"},
        {12, u"1811"},
        {21, u"+2,+3"},
        {26, u"Anc."},
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
        if (n == 23) {
            EXPECT_TRUE(origin.endsWith(
                u"Vanadis, a name of the Norse goddess Freyja, for its colourful compounds"_s))
                << origin.toStdString();
        }
    }
}
