// Every word the table draws, in every language, fits the room it has: drawn
// in the carried faces at the sizes the table uses, no heading, label, key or
// legend entry runs past the picture, into another text, into a cell, a line,
// a box, a swatch or a state symbol, and a banner's label stays on the banner.

#include "language.h"
#include "tablefixture.h"
#include "testdata.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

using namespace tablefixture;
using namespace Qt::StringLiterals;

struct DrawnText
{
    QString text;
    QRectF ink; // the advance across, the glyphs' ink down
};

// A picture that remembers where each text and each shape went.
class RecordingSurface : public Surface
{
public:
    using Surface::Surface;
    std::vector<DrawnText> texts;
    std::vector<QRect> shapes;   // boxes, lines, sprites
    std::vector<QRect> pictures; // block transfers: connector and banners

    void filledBox(int x1, int y1, int x2, int y2, Colour colour) override
    {
        shapes.push_back(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
        Surface::filledBox(x1, y1, x2, y2, colour);
    }
    void drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                    const Surface &sprite) override
    {
        shapes.push_back(QRect(dx, dy, width, height));
        Surface::drawSprite(dx, dy, width, height, mask, sprite);
    }
    void bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx, int sy,
                RasterOp op) override
    {
        pictures.push_back(QRect(dx, dy, width, height));
        Surface::bitBlt(dx, dy, width, height, source, sx, sy, op);
    }

protected:
    void drawText(double x, double y, const QString &text) override
    {
        const QRectF glyphs = QFontMetricsF(font()).tightBoundingRect(text);
        const double baseline = y + baselineOffset();
        texts.push_back({text, QRectF(QPointF(x, baseline + glyphs.top()),
                                      QPointF(x + textWidth(text), baseline + glyphs.bottom()))});
        Surface::drawText(x, y, text);
    }
};

// The key cell: row 1, column 7, half a cell and 12 pixels to the right.
const QRect KeyCell(316, 22, 40, 50);
// The bodies of the two series banners (their arrow tips excluded).
const QRect Banners[] = {{6, 414, 112, 22}, {6, 464, 112, 21}};

using Drawing = Drawn<RecordingSurface>;

QRectF box(const CellRect &c)
{
    return c.Right > c.Left ? QRectF(QPointF(c.Left, c.Top), QPointF(c.Right + 1, c.Bottom + 1))
                            : QRectF();
}

QString at(const QRectF &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool inCell(const Drawing &d, const QPointF &p)
{
    return QRectF(KeyCell).contains(p) ||
           std::any_of(d.rects.begin(), d.rects.end(),
                       [&](const CellRect &c) { return box(c).contains(p); });
}

// Every fault of one drawing, one line each.
std::vector<std::string> faults(const Drawing &d, const QString &what)
{
    std::vector<std::string> found;
    const auto fault = [&](const DrawnText &t, const QString &why) {
        found.push_back(
            (what + u": \""_s + t.text + u"\" at "_s + at(t.ink) + u' ' + why).toStdString());
    };
    const QRectF picture(0, 0, TablePictureWidth, TablePictureHeight);
    for (size_t i = 0; i < d.pb.texts.size(); ++i) {
        const DrawnText &t = d.pb.texts[i];
        // An element's own number, symbol and weight are not words.
        if (inCell(d, t.ink.topLeft() + QPointF(0.5, 0.5))) continue;
        if (!picture.contains(t.ink)) fault(t, QStringLiteral("runs out of the picture"));
        for (size_t j = 0; j < d.pb.texts.size(); ++j)
            if (j != i && t.ink.intersects(d.pb.texts[j].ink))
                fault(t, QStringLiteral("runs into \"%1\"").arg(d.pb.texts[j].text));
        for (const CellRect &c : d.rects)
            if (t.ink.intersects(box(c))) fault(t, u"runs into the cell at "_s + at(box(c)));
        if (t.ink.intersects(KeyCell)) fault(t, QStringLiteral("runs into the key cell"));
        for (const QRect &s : d.pb.shapes)
            if (t.ink.intersects(QRectF(s))) fault(t, u"runs into the shape at "_s + at(s));
        bool onBanner = false;
        for (const QRect &banner : Banners)
            if (banner.contains(t.ink.center().toPoint())) {
                onBanner = true;
                if (!QRectF(banner).contains(t.ink))
                    fault(t, QStringLiteral("is cut by its banner"));
            }
        if (!onBanner)
            for (const QRect &p : d.pb.pictures)
                if (t.ink.intersects(QRectF(p))) fault(t, u"runs into the picture at "_s + at(p));
    }
    return found;
}

// The table in every view and both media, and the colour bar with no values.
std::vector<std::string> faultsOfEveryDrawing()
{
    const ElementData data = shippedData();
    ElementData none = shippedData();
    none.ElementCount = 0;
    std::vector<std::string> all;
    const auto check = [&all](const QString &what, const ElementData &data, const TableView &view,
                              bool printing) {
        const Drawing d(data, view, printing);
        EXPECT_FALSE(d.pb.texts.empty()) << what.toStdString();
        for (const std::string &f :
             faults(d, what + (printing ? QStringLiteral(" on paper") : QString())))
            all.push_back(f);
    };
    for (int v = 0; v < int(tableViews().size()); ++v)
        for (const bool printing : {false, true})
            check(tableViews()[size_t(v)].name, data, TableView{v}, printing);
    // The state key's heading at its longest temperatures.
    const int state = findTableView(QStringLiteral("state"));
    for (const auto &[kelvin, unit] : {std::pair{0.0, TemperatureUnit::Fahrenheit},
                                       std::pair{MaxKelvin, TemperatureUnit::Fahrenheit},
                                       std::pair{0.0, TemperatureUnit::Celsius}})
        check(QStringLiteral("state at ") + temperatureText(kelvin, unit), data,
              TableView{state, kelvin, unit}, false);
    check(QStringLiteral("no values"), none, TableView{findTableView(QStringLiteral("density"))},
          false);
    return all;
}

class TableWordsFit : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override { Language::use(QString::fromLatin1(GetParam())); }
    void TearDown() override { Language::use({}); }
};

TEST_P(TableWordsFit, InTheirRoomInEveryViewOnScreenAndOnPaper)
{
    ASSERT_EQ(Language::current(), QString::fromLatin1(GetParam()));
    EXPECT_EQ(faultsOfEveryDrawing(), std::vector<std::string>{});
}

// The words of every view on screen: texts outside the cells, without the
// group labels ("IIA") and single letters, which every language shares.
std::set<QString> wordsDrawn()
{
    const QRegularExpression shared(QStringLiteral("^([IVX]+[AB]?|.|[^A-Za-z]*)$"));
    std::set<QString> words;
    for (int v = 0; v < int(tableViews().size()); ++v) {
        const Drawing d(shippedData(), TableView{v});
        for (const DrawnText &t : d.pb.texts)
            if (!inCell(d, t.ink.topLeft() + QPointF(0.5, 0.5)) && !shared.match(t.text).hasMatch())
                words.insert(t.text);
    }
    return words;
}

// Nothing the table draws stays in English, but the words a language spells
// the same.
TEST_P(TableWordsFit, NoWordLeftInEnglish)
{
    const std::map<QString, std::set<QString>> same = {
        {QStringLiteral("de"), {QStringLiteral("Symbol"), QStringLiteral("Gas")}},
        {QStringLiteral("fr"), {}},
        {QStringLiteral("es"), {QStringLiteral("Gas")}}};
    const std::set<QString> translated = wordsDrawn();
    Language::use({});
    const std::set<QString> english = wordsDrawn();
    QStringList left;
    for (const QString &word : english)
        if (translated.count(word) && !same.at(QString::fromLatin1(GetParam())).count(word))
            left << word;
    EXPECT_EQ(left.join(QStringLiteral(" | ")).toStdString(), "");
    EXPECT_GE(english.size(), 40u) << "the words of every view";
}

INSTANTIATE_TEST_SUITE_P(Languages, TableWordsFit, testing::Values("de", "fr", "es"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

// The checks themselves: words that run out of the picture, across a box,
// into a cell, off a banner, into a picture or into each other are caught.
TEST(TableFitCheck, CatchesWordsThatRunOutOfTheirRoom)
{
    Language::use(QStringLiteral("de"));
    const Drawing d;
    Language::use({});
    ASSERT_EQ(faults(d, {}), std::vector<std::string>{});
    // The faults that name the word, once it is added to the picture.
    const auto added = [&d](const QString &text, double x, double y, bool bold = false) {
        Drawing copy = d;
        copy.pb.setFontSize(8);
        copy.pb.setFontBold(bold);
        copy.pb.setCurrentX(x);
        copy.pb.setCurrentY(y);
        copy.pb.print(text);
        std::string all;
        for (const std::string &f : faults(copy, {}))
            if (f.find('"' + text.toStdString() + '"') != std::string::npos) all += f + '\n';
        return all;
    };
    using testing::HasSubstr;
    EXPECT_THAT(added(QStringLiteral("Rand"), 775, 300), HasSubstr("runs out of the picture"));
    EXPECT_THAT(added(QStringLiteral("Legende"), 425, 97),
                HasSubstr("runs into the shape at 450,93"));
    EXPECT_THAT(added(QStringLiteral("Zelle"), 25, 80), HasSubstr("runs into the cell at 44,42"));
    EXPECT_THAT(added(QStringLiteral("Actinoide-Reihe"), 60, 468, true),
                HasSubstr("is cut by its banner"));
    EXPECT_THAT(added(QStringLiteral("Actinoide"), 30, 468, true),
                testing::Not(HasSubstr("is cut by its banner")));
    EXPECT_THAT(added(QStringLiteral("Pfeil"), 140, 300),
                HasSubstr("runs into the picture at 124,292"));
    EXPECT_THAT(added(QStringLiteral("Gruppe"), 30, 4), HasSubstr("runs into \"GRUPPE\""));
    EXPECT_EQ(added(QStringLiteral("Frei"), 600, 20), "") << "room enough";
}

} // namespace
