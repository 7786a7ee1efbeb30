#include "sheet_fixture.h"
#include "strwwrap.h"

#include <QLocale>

#include <clocale>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

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
    const QString lines[29] = {u"4"_s,
                               u"8     [VIIIB]"_s,
                               u"Transition Metal"_s.leftJustified(50),
                               u"Solid  "_s,
                               u"55.845     g/mol"_s,
                               u"7.09     cm\u00B3/mol"_s,
                               u"1.4"_s,
                               u"7.874   g/cm\u00B3"_s.leftJustified(28),
                               u"1.83"_s,
                               u"1.00 10^7 S/m"_s,
                               u"80     Wm-\u00B9K-\u00B9 (at 300 K)"_s,
                               u"1811     K"_s,
                               u"3134     K"_s,
                               u"0.449     Jg-\u00B9K-\u00B9 (at 300 K)"_s,
                               u"13.81     kj/mol"_s,
                               u"340     kj/mol"_s,
                               u"470"_s,
                               u"1.32      \u00C5"_s,
                               u"0.78 (+2)    \u00C5"_s,
                               u"762.5      kj/mol"_s,
                               u"+2,+3"_s,
                               u"Body-centered cubic"_s,
                               u"2.8665     (A)"_s,
                               u"0"_s,
                               u"[Ar] 3d6 4s2"_s,
                               u"Anc."_s,
                               u"Known since antiquity"_s.leftJustified(30),
                               u"Lustrous grey metal"_s,
                               u"Anglo-Saxon iren; the symbol Fe is from Latin ferrum"_s};
    // Under a German locale the point holds.
    const QLocale before;
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default still changes
    const QString comma = QLocale().toString(1.5);
    QStringList shown;
    for (int line = 1; line <= 29; ++line) {
        const SheetValue v = sheetValue(line, shippedData().ElementTable[26], classNames());
        shown << v.text + v.suffix;
    }
    QLocale::setDefault(before);
    std::setlocale(LC_ALL, cBefore.c_str());
    EXPECT_EQ(comma, u"1,5"_s); // the locale really was in force
    for (int line = 1; line <= 29; ++line)
        EXPECT_EQ(shown[line - 1], lines[line - 1]) << "line " << line;
}

TEST(SheetValues, NumbersUnitsDashesClassesAndStates)
{
    // Line, field, unit, and whether exactly 0 shows "--" alone.
    const std::tuple<int, double ElementRecord::*, QString, bool> cases[] = {
        {5, &ElementRecord::AtomicWeight, u"     g/mol"_s, false},
        {6, &ElementRecord::AtomicVolume, u"     cm\u00B3/mol"_s, true},
        {7, &ElementRecord::AtomicRadius, {}, true},
        {8, &ElementRecord::Density, u"   g/cm\u00B3"_s.leftJustified(23), true},
        {11, &ElementRecord::ThermalConduct, u"     Wm-\u00B9K-\u00B9 (at 300 K)"_s, false},
        {12, &ElementRecord::MeltingPoint, u"     K"_s, true},
        {13, &ElementRecord::BoilingPoint, u"     K"_s, true},
        {14, &ElementRecord::SpecificHeat, u"     Jg-\u00B9K-\u00B9 (at 300 K)"_s, true},
        {15, &ElementRecord::FusionHeat, u"     kj/mol"_s, true},
        {16, &ElementRecord::EvaporationHeat, u"     kj/mol"_s, true},
        {17, &ElementRecord::DebyeTemp, {}, true},
        {18, &ElementRecord::CovalentRadius, u"      \u00C5"_s, true},
        {20, &ElementRecord::IonizingEnergy, u"      kj/mol"_s, true},
        {23, &ElementRecord::CrystalConstant, u"     (A)"_s, false},
    };
    ElementRecord r = shippedData().ElementTable[26];
    for (const auto &[line, field, unit, dash] : cases) {
        r.*field = 0;
        const SheetValue zero = sheetValue(line, r, classNames());
        EXPECT_EQ(zero.text + zero.suffix, dash ? u"--"_s : u"0"_s + unit) << "line " << line;
        r.*field = -12.5;
        const SheetValue negative = sheetValue(line, r, classNames());
        EXPECT_EQ(negative.text + negative.suffix, u"-12.5"_s + unit) << "line " << line;
    }
    const auto value = [&r](int line) { return sheetValue(line, r, classNames()); };
    EXPECT_EQ(value(3).text, u"Transition Metal"_s.leftJustified(50)); // untrimmed
    EXPECT_TRUE((r.Classification = 0, value(3).text.isEmpty()));
    QStringList states;
    for (qint16 state : {0, 1, 2, 3})
        states << (r.State = state, value(4).text);
    EXPECT_EQ(states.join(u'|'), u"Solid  |Liquid  |Gas  |Artificial (Man Made)  "_s);
    // An ionic radius of spaces leaves only the unit.
    r.IonicRadius = QString(20, u' ');
    EXPECT_EQ(value(19).text + value(19).suffix, u"    \u00C5"_s);
}

TEST(SheetWrap, BreaksAt46AndKeepsToTwoOrThreeLines)
{
    const std::pair<std::vector<std::pair<int, QChar>>, int> cases[] = {
        {{{10, u' '}, {46, u' '}}, 46},            // a break at 46 itself
        {{{51, u' '}}, 46},                        // none among the first 46: hard split
        {{{4, u'-'}, {10, u','}}, 10},             // the last break at 10
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
