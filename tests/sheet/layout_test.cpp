// The sheet's translated texts fit the room the layout gives them, in the
// carried faces and sizes they are drawn in: every label ends at least a space
// before the value column, the element's name a space before the symbol, and
// the printed legend's words a space before their counts. A word that does not
// fit is abbreviated in its language; the font is never made smaller.

#include "language.h"
#include "sheetfixture.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;
using namespace sheetfixture;

namespace {

// The language of one test, English again after it.
class Translated : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        // English, the layout's own language, is measured alike.
        const QString code = QLatin1String(GetParam());
        Language::use(code);
        ASSERT_EQ(Language::current(), code == u"en"_s ? QString() : code);
    }
    void TearDown() override { Language::use({}); }
    std::string where(const QString &text) const
    {
        return std::string(GetParam()) + ": \"" + text.toStdString() + '"';
    }
};

// The screen sheet's texts as drawn: where, in which face, how wide.
struct DrawnText
{
    double x, y;
    QString text;
    bool bold;
    Colour colour;
    double width;        // with any trailing spaces
    double trimmedWidth; // without them
    double spaceWidth;
};

struct ScreenRecorder : Surface
{
    using Surface::Surface;
    std::vector<DrawnText> drawn;
    void drawText(double x, double y, const QString &text) override
    {
        drawn.push_back({x, y, text, fontBold(), foreColor(), textWidth(text),
                         textWidth(text.trimmed()), textWidth(u" "_s)});
        Surface::drawText(x, y, text);
    }
};

// pbData's size on the Element page.
constexpr int SheetWidth = 339;
constexpr int SheetHeight = 478;
// The printed page: A4 less the PDF's 10 point margins, in twips; Courier 10 has
// 120 twips a column, so the values start at 29 x 120.
constexpr double PrintableWidth = 11505;
constexpr double PrintValueX = 3480;

double advance(const PageCanvas::Item &item, const QString &text)
{
    return QFontMetricsF(item.font).horizontalAdvance(text);
}

} // namespace

TEST_P(Translated, ScreenNamesLabelsAndValuesFitTheirRoom)
{
    for (qint16 n = 1; n <= 118; ++n) {
        ScreenRecorder pb(SheetWidth, SheetHeight, 0xE0E0E0);
        screenSheet(pb, shippedData(), n);
        // Number, name, symbol: the first three texts, on one line.
        ASSERT_GE(pb.drawn.size(), 3u);
        const DrawnText &name = pb.drawn[1], &symbol = pb.drawn[2];
        EXPECT_EQ(name.text, elementName(shippedData().ElementTable[n]).trimmed());
        EXPECT_EQ(symbol.y, name.y) << where(name.text) << " pushed the symbol onto a new line";
        EXPECT_LE(name.x + name.width + name.spaceWidth, symbol.x)
            << where(name.text) << " (14 pt) runs into the symbol";
        // Every value up to Discoverer ends inside pbData, the state's marker
        // (10 pixels, two spaces after the state) included. Appearance, the first
        // in blue, and Name Origin are the data set's own English texts.
        // The class names are the table's texts, measured with it.
        const ElementRecord &r = shippedData().ElementTable[n];
        const QString state = stateText(r.State) + u"  "_s;
        const QString className = classificationText(classNames(), r.Classification);
        for (const DrawnText &d : pb.drawn) {
            if (d.colour == ColourBlue) break;
            if (d.text == className) continue;
            const double end = d.x + (d.text == state ? d.width + 10 : d.trimmedWidth);
            EXPECT_LE(end, SheetWidth) << n << ' ' << where(d.text) << " runs off the sheet";
        }
        if (n != 26) continue;
        // Iron's labels, once: each ends a space before its value column.
        // The value column of Arial 8: 21 of its average widths.
        Surface measure(8, 8);
        measure.setFontSize(8);
        const double valueX = 21 * measure.columnWidth();
        // Period's value is drawn there, on its label's line.
        const auto period = std::find_if(pb.drawn.begin(), pb.drawn.end(),
                                         [](const DrawnText &d) { return d.text == u"4"_s; });
        ASSERT_NE(period, pb.drawn.end());
        EXPECT_EQ(std::pair(period->x, period->y),
                  std::pair(valueX, pb.drawn[3].y)); // after number, name, symbol: Period's label
        for (int line = 1; line <= SheetLineCount; ++line) {
            const QString label = sheetLabel(line);
            const auto it = std::find_if(pb.drawn.begin(), pb.drawn.end(), [&](const DrawnText &d) {
                return d.text == label && d.bold;
            });
            ASSERT_NE(it, pb.drawn.end()) << where(label) << " not drawn in bold";
            const double end = it->x + it->trimmedWidth;
            EXPECT_LE(end + it->spaceWidth, valueX)
                << where(label) << " on screen ends at " << end << ": abbreviate it";
        }
    }
}

TEST_P(Translated, PrintedLabelsNamesAndLegendEndASpaceBeforeTheirValues)
{
    for (qint16 n = 1; n <= 118; ++n) {
        PageCanvas page;
        printSheet(page, n, PrintableWidth);
        std::vector<PageCanvas::Item> texts;
        for (const PageCanvas::Item &item : page.items())
            if (item.kind == PageCanvas::Item::Text) texts.push_back(item);
        const auto find = [&](const QString &text) {
            const auto it = std::find_if(texts.begin(), texts.end(),
                                         [&](const PageCanvas::Item &i) { return i.text == text; });
            return it == texts.end() ? nullptr : &*it;
        };
        // Title line: number, name (Courier 12 bold, columns 20 to 45), symbol.
        ASSERT_GE(texts.size(), 3u);
        const PageCanvas::Item &name = texts[1], &symbol = texts[2];
        EXPECT_EQ(name.text, elementName(shippedData().ElementTable[n]).trimmed());
        EXPECT_EQ(symbol.y, name.y) << where(name.text) << " pushed the symbol onto a new line";
        EXPECT_LE(name.x + advance(name, name.text + u' '), symbol.x)
            << where(name.text) << " (12 pt) runs into the symbol on paper";
        // Everything stays on the page, the level row with seven levels included.
        for (const PageCanvas::Item &item : texts)
            EXPECT_LE(item.x + advance(item, item.text), PrintableWidth)
                << n << ' ' << where(item.text) << " runs off the page";
        if (n != 118) continue;
        // The labels, once: bold Courier 10 from column 7 to the values at column 30.
        for (int line = 1; line <= SheetLineCount; ++line) {
            const PageCanvas::Item *label = find(sheetLabel(line));
            ASSERT_TRUE(label) << where(sheetLabel(line)) << " not printed";
            EXPECT_TRUE(label->font.bold());
            const double end = label->x + advance(*label, sheetLabel(line).trimmed());
            EXPECT_LE(end + advance(*label, u" "_s), PrintValueX)
                << where(sheetLabel(line)) << " on paper ends at " << end << ": abbreviate it";
        }
        // The legend: Og's three-digit counts sit on the words' lines, right of them.
        for (const char *word : {"Protons:", "Neutrons:", "Electrons:"}) {
            const QString text = Language::translate("Sheet", word);
            const PageCanvas::Item *legend = find(text);
            ASSERT_TRUE(legend) << where(text) << " not printed";
            const auto count = std::find_if(texts.begin(), texts.end(), [&](const auto &i) {
                return i.y == legend->y && i.x > legend->x && i.text.trimmed().size() == 3;
            });
            ASSERT_NE(count, texts.end()) << where(text) << ": no count on its line";
            const double countX =
                count->x + advance(*count, count->text) - advance(*count, count->text.trimmed());
            // Courier's advances are whole columns to within a twip.
            EXPECT_LE(legend->x + advance(*legend, text + u' '), countX + 1)
                << where(text) << " runs into its count " << count->text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sheet, Translated, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto &info) { return std::string(info.param); });

// Each language has its own texts: a translation missing from the carried
// files would pass the fit tests above in English. Every line of iron's sheet
// as text reads differently from English (each has a translated label or name).
TEST(SheetTexts, AreTranslatedInEveryCarriedLanguage)
{
    const ElementRecord &fe = shippedData().ElementTable[26];
    const QStringList english = sheetTextLines(fe, classNames());
    ASSERT_EQ(english.size(), SheetLineCount + 1);
    for (const char *code : {"de", "fr", "es"}) {
        Language::use(QLatin1String(code));
        const QStringList lines = sheetTextLines(fe, classNames());
        const QStringList states = {stateText(0), stateText(1), stateText(3)};
        const QString legend = Language::translate("Sheet", "Electrons:");
        Language::use({});
        ASSERT_EQ(lines.size(), english.size()) << code;
        for (int line = 0; line < lines.size(); ++line)
            EXPECT_NE(lines[line], english[line]) << code << ": " << lines[line].toStdString();
        EXPECT_NE(states, (QStringList{u"Solid"_s, u"Liquid"_s, u"Artificial (Man Made)"_s}))
            << code;
        EXPECT_NE(legend, u"Electrons:"_s) << code;
    }
    // English again: the same lines as before.
    EXPECT_EQ(sheetTextLines(fe, classNames()), english);
}
