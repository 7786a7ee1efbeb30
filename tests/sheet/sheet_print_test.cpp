#include "datasheet.h"
#include "numbertext.h"
#include "sheet_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int AtomHeightTwips = 404 * 15;

// Metrics of a font on a page, to derive expected positions in twips.
PageCanvas pageProbe(double size, bool bold, bool underline = false)
{
    PageCanvas probe;
    probe.setFontName(u"Courier"_s);
    probe.setFontSize(size);
    probe.setFontBold(bold);
    probe.setFontUnderline(underline);
    return probe;
}

// 8 x 8 test sprites: a mask with a black 4 x 4 centre on white, and sprites
// coloured there and black elsewhere.
struct TestParticles
{
    Surface mask{8, 8, ColourWhite};
    Surface p{8, 8, ColourBlack}, n{8, 8, ColourBlack}, e{8, 8, ColourBlack};
    TestParticles()
    {
        mask.filledBox(2, 2, 5, 5, ColourBlack);
        p.filledBox(2, 2, 5, 5, ColourRed);
        n.filledBox(2, 2, 5, 5, 0x00C0C0);
        e.filledBox(2, 2, 5, 5, 0x808080);
    }
    ParticleSprites sprites() const { return {p, n, e, mask}; }
};

struct PrintSheet
{
    PageCanvas page;
    Surface pbprt{791, 510, ColourWhite};
    TestParticles particles;
    ClassificationNames names = testClassNames();
    ElementData data = sheetTestData(30);
    qint16 headerY = 0;

    void write(qint16 n)
    {
        page.clear();
        headerY =
            writePrintSheet(page, pbprt, data, n, names, particles.sprites(), AtomHeightTwips);
    }
    std::vector<const PageCanvas::Item *> texts(const QString &text) const
    {
        std::vector<const PageCanvas::Item *> found;
        for (const auto &item : page.items())
            if (item.kind == PageCanvas::Item::Text && item.text == text) found.push_back(&item);
        return found;
    }
    const PageCanvas::Item *text(const QString &t) const
    {
        const auto found = texts(t);
        return found.empty() ? nullptr : found.front();
    }
};

} // namespace

TEST(PrintSheet, TitleLineAndHeaderY)
{
    PrintSheet s;
    s.write(26);
    const PageCanvas title = pageProbe(12, true);
    const auto *number = s.text(u"26"_s);
    const auto *name = s.text(u"Testium"_s);
    const auto *symbol = s.text(u"Tt"_s);
    ASSERT_TRUE(number && name && symbol);
    EXPECT_DOUBLE_EQ(number->x, 6 * title.columnWidth());
    EXPECT_DOUBLE_EQ(name->x, 19 * title.columnWidth());
    EXPECT_DOUBLE_EQ(symbol->x, 44 * title.columnWidth());
    EXPECT_TRUE(number->font.bold());
    EXPECT_EQ(number->font.family(), u"Courier"_s);
    // The atom picture goes just below the title line.
    EXPECT_EQ(s.headerY, qRound(number->y + title.textHeight()));
}

TEST(PrintSheet, LegendIconsLevelRowAndCountsBlock)
{
    PrintSheet s;
    s.write(26); // 26 protons, 30 neutrons, levels 2 and 18
    const PageCanvas plain = pageProbe(10, false);
    const double h = plain.textHeight();
    const double iconX = 53 * plain.columnWidth();

    const auto *protons = s.text(u"Protons:"_s);
    const auto *neutrons = s.text(u"Neutrons:"_s);
    const auto *electrons = s.text(u"Electrons:"_s);
    const auto *level = s.text(u"    Level:"_s);
    ASSERT_TRUE(protons && neutrons && electrons && level);
    EXPECT_DOUBLE_EQ(protons->x, iconX);
    EXPECT_DOUBLE_EQ(neutrons->y, protons->y + 2 * h);
    EXPECT_DOUBLE_EQ(electrons->y, protons->y + 4 * h);
    EXPECT_DOUBLE_EQ(level->y, protons->y + 5 * h);
    EXPECT_DOUBLE_EQ(level->x, iconX);

    // Icons: left of each word, composed over white in the 8 x 8 scratch.
    std::vector<const PageCanvas::Item *> icons;
    for (const auto &item : s.page.items())
        if (item.kind == PageCanvas::Item::Picture) icons.push_back(&item);
    ASSERT_EQ(icons.size(), 3u);
    const Colour colours[3] = {ColourRed, 0x00C0C0, 0x808080};
    const PageCanvas::Item *words[3] = {protons, neutrons, electrons};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(icons[i]->x, words[i]->x - 190) << i;
        EXPECT_DOUBLE_EQ(icons[i]->y, words[i]->y + 46) << i;
        ASSERT_EQ(icons[i]->image.size(), QSize(8, 8));
        EXPECT_EQ(fromQRgb(icons[i]->image.pixel(3, 3)), colours[i]) << i;
        EXPECT_EQ(fromQRgb(icons[i]->image.pixel(0, 0)), ColourWhite) << i;
        EXPECT_EQ(fromQRgb(icons[i]->image.pixel(7, 4)), ColourWhite) << i;
    }
    EXPECT_EQ(s.pbprt.width(), 8);
    EXPECT_EQ(s.pbprt.height(), 8);

    // Two levels: three spaces and an underlined digit each.
    const auto *one = s.text(u"1"_s);
    const auto *two = s.text(u"2"_s);
    ASSERT_TRUE(one && two);
    const double oneX = level->x + plain.textWidth(u"    Level:"_s) + plain.textWidth(u"   "_s);
    EXPECT_DOUBLE_EQ(one->x, oneX);
    EXPECT_TRUE(one->font.underline());
    EXPECT_EQ(one->y, level->y);
    const PageCanvas under = pageProbe(10, false, true);
    const double twoX = oneX + under.textWidth(u"1"_s) + plain.textWidth(u"   "_s);
    EXPECT_DOUBLE_EQ(two->x, twoX);
    EXPECT_TRUE(two->font.underline());
    EXPECT_EQ(s.texts(u"3"_s).size(), 0u);
    const double levelEnd1 = qRound(oneX + under.textWidth(u"1"_s));
    const double levelEnd2 = qRound(twoX + under.textWidth(u"2"_s));

    // Counts right-aligned in three characters under the digit "1".
    const std::pair<QString, const PageCanvas::Item *> counts[] = {
        {u" 26"_s, protons}, {u" 30"_s, neutrons}, {u" 26"_s, electrons}};
    int nth26 = 0;
    for (const auto &[text, word] : counts) {
        const auto found = s.texts(text);
        ASSERT_FALSE(found.empty()) << text.toStdString();
        const auto *item = found[text == u" 26"_s ? nth26++ : 0];
        EXPECT_DOUBLE_EQ(item->x + plain.textWidth(text), levelEnd1) << text.toStdString();
        EXPECT_DOUBLE_EQ(item->y, word->y) << text.toStdString();
        EXPECT_FALSE(item->font.bold());
    }

    // Level counts one line below the level row: 2 under "1", 18 shifted 70 twips.
    const auto *c2 = s.texts(u"2"_s).at(1);
    const auto *c18 = s.text(u"18"_s);
    ASSERT_NE(c18, nullptr);
    EXPECT_DOUBLE_EQ(c2->x, levelEnd1 - plain.textWidth(u"2"_s));
    EXPECT_DOUBLE_EQ(c18->x, levelEnd2 - plain.textWidth(u"18"_s) + 70);
    EXPECT_DOUBLE_EQ(c2->y, level->y + h);
    EXPECT_DOUBLE_EQ(c18->y, level->y + h);
    EXPECT_FALSE(c2->font.underline());
}

TEST(PrintSheet, LabelsAndValuesBelowTheAtom)
{
    PrintSheet s;
    ElementRecord &r = s.data.ElementTable[26];
    r.Appearance = padded(u"Lustrous, metallic, and silver with a gray tinge"_s, 60);
    r.State = 7;
    s.write(26);
    const PageCanvas bold = pageProbe(10, true);
    const PageCanvas plain = pageProbe(10, false);
    const double blockTop = AtomHeightTwips + 1000;

    for (int line = 1; line <= 29; ++line) {
        const auto *label = s.text(sheetLabel(line));
        ASSERT_NE(label, nullptr) << line;
        EXPECT_DOUBLE_EQ(label->x, 6 * bold.columnWidth()) << line;
        EXPECT_DOUBLE_EQ(label->y, blockTop + line * bold.textHeight()) << line;
        EXPECT_TRUE(label->font.bold());

        // Values unwrapped at column 30, black, plain Courier, on their label's line.
        const SheetValue value = sheetValue(line, r, s.names);
        const auto *item = s.text(value.text);
        ASSERT_NE(item, nullptr) << line;
        EXPECT_DOUBLE_EQ(item->x, 29 * plain.columnWidth()) << line;
        EXPECT_DOUBLE_EQ(item->y, label->y) << line;
        EXPECT_EQ(item->colour, ColourBlack) << line;
        EXPECT_EQ(item->font.family(), u"Courier"_s) << line;
        EXPECT_FALSE(item->font.bold()) << line;
    }
    EXPECT_NE(s.text(u"Artificial (Man Made)  "_s), nullptr);
}

TEST(PrintSheet, TooManyLevelsAndBadIndexesDoNotCrash)
{
    PrintSheet s;
    ElementRecord &r = s.data.ElementTable[26];
    r.LevelCount = 9;
    r.LevelElectrons = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    r.Classification = -3;
    s.write(26);
    // Only the seven places of the level row are printed, with their counts.
    QStringList digits;
    for (const auto &item : s.page.items())
        if (item.kind == PageCanvas::Item::Text && item.font.underline()) digits << item.text;
    EXPECT_EQ(digits, (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s}));
    EXPECT_EQ(s.texts(u"7"_s).size(), 2u);
    EXPECT_NE(s.text(sheetLabel(3)), nullptr);

    s.write(200);
    EXPECT_TRUE(s.page.isEmpty());
    EXPECT_EQ(s.headerY, 0);
}
