#include "datasheet.h"
#include "numbertext.h"
#include "sheet_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Metrics of a font on a fresh pixel surface, to derive expected positions.
Surface fontProbe(const QString &name, double size, bool bold)
{
    Surface probe(1, 1);
    probe.setFontName(name);
    probe.setFontSize(size);
    probe.setFontBold(bold);
    return probe;
}

struct ScreenSheet
{
    RecordingSurface pbData{339, 479, SheetBackground};
    TestStateSprites states;
    ClassificationNames names = testClassNames();
    ElementData data = sheetTestData(30);

    void write(qint16 n)
    {
        pbData.texts.clear();
        writeScreenSheet(pbData, data, n, names, states.sprites());
    }
};

} // namespace

TEST(ScreenSheet, HeaderAndLabelLines)
{
    ScreenSheet s;
    s.write(26);
    const Surface header = fontProbe(u"Arial"_s, 14, true);
    const Surface labels = fontProbe(u"Arial"_s, 8, true);

    // One space item and the sign space before the number, both red.
    const auto *number = s.pbData.find(Str(26));
    ASSERT_NE(number, nullptr);
    EXPECT_DOUBLE_EQ(number->x, header.columnWidth());
    EXPECT_EQ(number->colour, ColourRed);
    EXPECT_EQ(number->fontSize, 14);
    const auto *name = s.pbData.find(u"Testium"_s);
    ASSERT_NE(name, nullptr);
    EXPECT_DOUBLE_EQ(name->x, 13 * header.columnWidth());
    EXPECT_EQ(name->colour, ColourBlack);
    const auto *symbol = s.pbData.find(u"Tt "_s); // untrimmed
    ASSERT_NE(symbol, nullptr);
    EXPECT_DOUBLE_EQ(symbol->x, 33 * header.columnWidth());
    EXPECT_EQ(symbol->colour, ColourRed);

    // The labels start 4 pixels below the header line, one per line, bold black.
    const double blockTop = number->y + header.textHeight() + 4;
    for (int line = 1; line <= 28; ++line) {
        const auto *label = s.pbData.find(sheetLabel(line));
        ASSERT_NE(label, nullptr) << line;
        EXPECT_DOUBLE_EQ(label->y, blockTop + (line - 1) * labels.textHeight()) << line;
        EXPECT_EQ(label->x, 0);
        EXPECT_TRUE(label->bold);
        EXPECT_EQ(label->colour, ColourBlack);
        EXPECT_EQ(label->fontName, u"Arial"_s);
    }
}

TEST(ScreenSheet, ValuesLandOnTheirLabelsInTheirColours)
{
    ScreenSheet s;
    s.write(26);
    const double column = 21 * fontProbe(u"Arial"_s, 8, false).columnWidth();
    const ElementRecord &r = s.data.ElementTable[26];
    for (int line = 1; line <= 29; ++line) {
        const SheetValue value = sheetValue(line, r, s.names);
        const auto *label = s.pbData.find(sheetLabel(line));
        const auto *item = s.pbData.find(value.text);
        ASSERT_NE(item, nullptr) << line;
        ASSERT_NE(label, nullptr) << line;
        EXPECT_DOUBLE_EQ(item->y, label->y) << line;
        EXPECT_DOUBLE_EQ(item->x, column) << line;
        EXPECT_FALSE(item->bold) << line;
        const Colour expected = line <= 3 ? ColourRed : line == 28 ? ColourBlue : ColourBlack;
        EXPECT_EQ(item->colour, expected) << line;
    }
    // The bracketed group label follows the number in Courier New, still red.
    const auto *group = s.pbData.find(u"     [VIIIB]"_s);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->fontName, u"Courier New"_s);
    EXPECT_EQ(group->colour, ColourRed);
    // ... and the font is Arial again for the next value.
    EXPECT_EQ(s.pbData.find(sheetValue(3, r, s.names).text)->fontName, u"Arial"_s);
}

TEST(ScreenSheet, WrappedLinesPushNameOriginDown)
{
    ScreenSheet s;
    ElementRecord &r = s.data.ElementTable[26];
    const QString appearance = u"Lustrous, metallic, and silver with a gray tinge"_s; // 48
    const QString origin = QString(39, u'a') + u' ' + QString(43, u'b') + u'-' + QString(16, u'c');
    r.Appearance = padded(appearance, 60);
    r.NameOrigin = padded(origin, 100);
    s.write(26);
    const double line = fontProbe(u"Arial"_s, 8, false).textHeight();

    const QStringList a = wrapSheetText(appearance, 2);
    ASSERT_EQ(a.size(), 2);
    const auto *a1 = s.pbData.find(a[0]);
    const auto *a2 = s.pbData.find(a[1]);
    ASSERT_TRUE(a1 && a2);
    EXPECT_DOUBLE_EQ(a2->y, a1->y + line);
    EXPECT_DOUBLE_EQ(a2->x, a1->x);
    EXPECT_EQ(a2->colour, ColourBlue);

    // Name Origin starts below the second Appearance line, three lines at the column.
    const auto *label = s.pbData.find(u"Name Origin: "_s);
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->y, a1->y + 2 * line);
    const QStringList o = {origin.left(40), origin.mid(40, 44), origin.mid(84)};
    for (int i = 0; i < 3; ++i) {
        const auto *item = s.pbData.find(o[i]);
        ASSERT_NE(item, nullptr) << i;
        EXPECT_DOUBLE_EQ(item->y, label->y + i * line) << i;
        EXPECT_DOUBLE_EQ(item->x, a1->x) << i;
        EXPECT_EQ(item->colour, ColourBlack);
    }
}

TEST(ScreenSheet, StateMarkerUsesMaskThenSpriteOfTheNamedSlot)
{
    ScreenSheet s;
    for (int state = 0; state < 4; ++state) {
        s.data.ElementTable[26].State = qint16(state);
        s.write(26);
        const auto *text = s.pbData.find(stateText(qint16(state)) + u"  "_s);
        ASSERT_NE(text, nullptr);
        const Surface values = fontProbe(u"Arial"_s, 8, false);
        const int x = int(std::lround(text->x + values.textWidth(text->text)));
        const int y = int(std::lround(text->y)) + 2;
        // Inside the 10 x 10 square: the sprite over a cleared background.
        EXPECT_EQ(s.pbData.pixel(x, y), TestStateSprites::colourOf(state)) << state;
        EXPECT_EQ(s.pbData.pixel(x + 9, y + 9), TestStateSprites::colourOf(state)) << state;
        // Just outside it the sheet's background is untouched.
        EXPECT_EQ(s.pbData.pixel(x + 10, y + 5), SheetBackground) << state;
        EXPECT_EQ(s.pbData.pixel(x + 5, y + 10), SheetBackground) << state;
    }

    // The marker's state is read from the slot named by the record's atomic number.
    s.data.ElementTable[26].State = 0;
    s.data.ElementTable[26].AtomicNumber = 27;
    s.data.ElementTable[27].State = 2;
    s.write(26);
    const auto *text = s.pbData.find(u"Solid  "_s);
    ASSERT_NE(text, nullptr);
    const int x = int(std::lround(text->x + fontProbe(u"Arial"_s, 8, false).textWidth(text->text)));
    EXPECT_EQ(s.pbData.pixel(x + 4, int(std::lround(text->y)) + 6), TestStateSprites::colourOf(2));
}

TEST(ScreenSheet, OutOfRangeValuesDoNotCrash)
{
    ScreenSheet s;
    ElementRecord &r = s.data.ElementTable[26];
    r.State = 9;
    r.Classification = 42;
    s.write(26);
    const auto *text = s.pbData.find(u"Artificial (Man Made)  "_s);
    ASSERT_NE(text, nullptr);
    // No marker: the place after the text keeps the background.
    const int x = int(std::lround(text->x + fontProbe(u"Arial"_s, 8, false).textWidth(text->text)));
    for (int dx = 1; dx < 10; ++dx)
        EXPECT_EQ(s.pbData.pixel(x + dx, int(std::lround(text->y)) + 6), SheetBackground);
    // No class name is shown, and the values below still land on their labels.
    EXPECT_EQ(s.pbData.find(padded(u"Transition Metal"_s, 50)), nullptr);
    const auto *weight = s.pbData.find(numberText(r.AtomicWeight));
    ASSERT_NE(weight, nullptr);
    EXPECT_DOUBLE_EQ(weight->y, s.pbData.find(sheetLabel(5))->y);

    // A record naming a slot outside the table, and elements outside it.
    r.AtomicNumber = 500;
    s.write(26);
    EXPECT_NE(s.pbData.find(u"Artificial (Man Made)  "_s), nullptr);
    s.write(-1);
    s.write(119);
    EXPECT_TRUE(s.pbData.texts.empty());
}
