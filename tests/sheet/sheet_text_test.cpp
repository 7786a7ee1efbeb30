#include "datasheet.h"
#include "numbertext.h"
#include "sheet_fixture.h"
#include "strwwrap.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A text of n characters without any break character.
QString solid(int n)
{
    return QString(n, u'x');
}

} // namespace

TEST(StrWWrap, ReturnsTheLastBreakWithinTheWidth)
{
    // Space at position 46 (and earlier breaks): the 46th character wins.
    QString s = solid(60);
    s[9] = u' ';
    s[45] = u' ';
    EXPECT_EQ(StrWWrap(46, s), 46);

    // No break character among the first 46: a hard split at 46, even when
    // one follows later.
    s = solid(60);
    s[50] = u' ';
    EXPECT_EQ(StrWWrap(46, s), 46);

    // The last break at 10: the first line is 10 characters, ending with it.
    s = solid(60);
    s[3] = u'-';
    s[9] = u',';
    EXPECT_EQ(StrWWrap(46, s), 10);
    EXPECT_EQ(wrapSheetText(s, 2).first(), s.left(10));

    // Each of the four break characters counts; others do not.
    for (QChar c : {u',', u' ', u'.', u'-'}) {
        s = solid(60);
        s[20] = c;
        s[30] = u';';
        EXPECT_EQ(StrWWrap(46, s), 21) << QString(c).toStdString();
    }

    // Widths below 1 come back unchanged; a shorter text is read only as far as it goes.
    EXPECT_EQ(StrWWrap(0, QStringLiteral("a b")), 0);
    EXPECT_EQ(StrWWrap(-5, QStringLiteral("a b")), -5);
    // Only the characters that exist are looked at.
    EXPECT_EQ(StrWWrap(46, QStringLiteral("ab,cd")), 3);
    EXPECT_EQ(StrWWrap(46, QStringLiteral("abc")), 46);
    EXPECT_EQ(StrWWrap(46, QString()), 46);
}

TEST(NumberText, ClassicForm)
{
    // At most 15 significant digits, rounded.
    EXPECT_EQ(numberText(1.0 / 3.0), QStringLiteral("0.") + QString(15, u'3'));
    EXPECT_EQ(numberText(2.0 / 3.0), QStringLiteral("0.") + QString(14, u'6') + u'7');
    EXPECT_EQ(numberText(123456789.123456789), QStringLiteral("123456789.123457"));
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral("0.3"));
    // No trailing zeros, whole numbers without a point.
    EXPECT_EQ(numberText(2.50), QStringLiteral("2.5"));
    EXPECT_EQ(numberText(1800.0), QStringLiteral("1800"));
    // Negative values and values between -1 and 1 keep a 0 before the point.
    EXPECT_EQ(numberText(-38.83), QStringLiteral("-38.83"));
    EXPECT_EQ(numberText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(numberText(-0.25), QStringLiteral("-0.25"));
    EXPECT_EQ(numberText(-0.0), QStringLiteral("0"));
    // The sign space only for values that are not negative.
    EXPECT_EQ(Str(26), QStringLiteral(" 26"));
    EXPECT_EQ(Str(0), QStringLiteral(" 0"));
    EXPECT_EQ(Str(-1.5), QStringLiteral("-1.5"));
}

TEST(NumberText, PointHoldsUnderAGermanLocale)
{
    const QLocale before;
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default still changes

    const QString weight = numberText(55.845);
    const QString tiny = Str(0.0899);
    const SheetValue value = sheetValue(5, sheetTestRecord(26), testClassNames()); // Atomic Weight

    QLocale::setDefault(before);
    std::setlocale(LC_ALL, cBefore.c_str());
    EXPECT_EQ(QLocale(QLocale::German).toString(1.5), QStringLiteral("1,5")); // the trap is real
    EXPECT_EQ(weight, QStringLiteral("55.845"));
    EXPECT_EQ(tiny, QStringLiteral(" 0.0899"));
    EXPECT_EQ(value.text, QStringLiteral("55.845"));
}

TEST(SheetValues, DashFieldsShowDashAloneAtZeroAndNumbersOtherwise)
{
    using Setter = std::function<void(ElementRecord &, double)>;
    struct Case
    {
        int line;
        Setter set;
        QString unit;
    };
    const QString density = QStringLiteral("   ") + padded(QStringLiteral("g/cm\u00B3"), 20);
    const std::vector<Case> cases = {
        {6, [](ElementRecord &r, double v) { r.AtomicVolume = v; }, u"     cm\u00B3/mol"_s},
        {7, [](ElementRecord &r, double v) { r.AtomicRadius = v; }, QString()},
        {8, [](ElementRecord &r, double v) { r.Density = v; }, density},
        {12, [](ElementRecord &r, double v) { r.MeltingPoint = v; }, u"     K"_s},
        {13, [](ElementRecord &r, double v) { r.BoilingPoint = v; }, u"     K"_s},
        {14, [](ElementRecord &r, double v) { r.SpecificHeat = v; },
         u"     Jg-\u00B9K-\u00B9 (at 300 K)"_s},
        {15, [](ElementRecord &r, double v) { r.FusionHeat = v; }, u"     kj/mol"_s},
        {16, [](ElementRecord &r, double v) { r.EvaporationHeat = v; }, u"     kj/mol"_s},
        {17, [](ElementRecord &r, double v) { r.DebyeTemp = v; }, QString()},
        {18, [](ElementRecord &r, double v) { r.CovalentRadius = v; }, u"      \u00C5"_s},
        {20, [](ElementRecord &r, double v) { r.IonizingEnergy = v; }, u"      kj/mol"_s},
    };
    const ClassificationNames names = testClassNames();
    for (const Case &c : cases) {
        ElementRecord r = sheetTestRecord(26);
        c.set(r, 0);
        const SheetValue zero = sheetValue(c.line, r, names);
        EXPECT_EQ(zero.text, QStringLiteral("--")) << "line " << c.line;
        EXPECT_TRUE(zero.suffix.isEmpty()) << "line " << c.line;

        c.set(r, -12.5);
        const SheetValue negative = sheetValue(c.line, r, names);
        EXPECT_EQ(negative.text, QStringLiteral("-12.5")) << "line " << c.line;
        EXPECT_EQ(negative.suffix, c.unit) << "line " << c.line;
    }
}

TEST(SheetValues, ZeroPrintsAsZeroOnLinesWithoutDash)
{
    ElementRecord r = sheetTestRecord(26);
    r.AtomicWeight = 0;
    r.ElectroNegativity = 0;
    r.ThermalConduct = 0;
    r.CrystalConstant = 0;
    r.CrystalCARatio = 0;
    r.Period = 0;
    const ClassificationNames names = testClassNames();
    for (int line : {1, 5, 9, 11, 23, 24})
        EXPECT_EQ(sheetValue(line, r, names).text, QStringLiteral("0")) << "line " << line;
    EXPECT_EQ(sheetValue(5, r, names).suffix, QStringLiteral("     g/mol"));
    EXPECT_EQ(sheetValue(11, r, names).suffix, u"     Wm-\u00B9K-\u00B9 (at 300 K)"_s);
    EXPECT_EQ(sheetValue(23, r, names).suffix, QStringLiteral("     (A)"));
}

TEST(SheetValues, TextsClassesStatesAndPadding)
{
    const ClassificationNames names = testClassNames();
    ElementRecord r = sheetTestRecord(26);

    const SheetValue group = sheetValue(2, r, names);
    EXPECT_EQ(group.text, QStringLiteral("8"));
    EXPECT_EQ(group.suffix, QStringLiteral("     [VIIIB]"));

    // The class name is untrimmed; 0 and numbers outside the table show nothing.
    EXPECT_EQ(sheetValue(3, r, names).text, padded(QStringLiteral("Transition Metal"), 50));
    for (qint16 c : {qint16(0), qint16(-1), qint16(11), qint16(300)}) {
        r.Classification = c;
        EXPECT_TRUE(sheetValue(3, r, names).text.isEmpty()) << c;
    }

    const std::vector<std::pair<qint16, QString>> states = {
        {0, u"Solid"_s},
        {1, u"Liquid"_s},
        {2, u"Gas"_s},
        {3, u"Artificial (Man Made)"_s},
        {7, u"Artificial (Man Made)"_s},
        {-1, u"Artificial (Man Made)"_s},
    };
    for (const auto &[state, text] : states) {
        r.State = state;
        EXPECT_EQ(sheetValue(4, r, names).text, text + u"  "_s) << state;
    }

    // An ionic radius of spaces leaves only the unit.
    r.IonicRadius = QString(20, u' ');
    EXPECT_EQ(sheetValue(19, r, names).text, QString());
    EXPECT_EQ(sheetValue(19, r, names).suffix, u"    \u00C5"_s);

    // Discovered and Discoverer keep their padding; other texts are trimmed.
    EXPECT_EQ(sheetValue(27, r, names).text, padded(QStringLiteral("Known since antiquity"), 30));
    EXPECT_EQ(sheetValue(25, r, names).text, QStringLiteral("[Ar] 3d6 4s2"));

    // A blank slot's NUL texts print as nothing.
    const ElementRecord blank = ElementRecord::blank();
    for (int line : {2, 21, 26, 27, 28, 29})
        EXPECT_FALSE(sheetValue(line, blank, names).text.contains(QChar(0))) << line;
    EXPECT_EQ(sheetValue(2, blank, names).suffix, QStringLiteral("     []"));
}

TEST(SheetWrap, AppearanceAndNameOrigin)
{
    // 45 characters stay whole; 46 are wrapped at the last break.
    QString s45 = solid(45);
    s45[20] = u' ';
    EXPECT_EQ(wrapSheetText(s45, 2), QStringList{s45});
    EXPECT_EQ(wrapSheetText(s45, 3), QStringList{s45});
    QString s46 = s45 + u'y';
    EXPECT_EQ(wrapSheetText(s46, 2), (QStringList{s46.left(21), s46.mid(21)}));
    EXPECT_EQ(wrapSheetText(s46, 3), (QStringList{s46.left(21), s46.mid(21)}));

    // After a comma the next line begins with the space that followed it.
    const QString comma = solid(45) + u", "_s + solid(20);
    EXPECT_EQ(wrapSheetText(comma, 2), (QStringList{solid(45) + u',', u' ' + solid(20)}));

    // Appearance never takes more than two lines, however long the rest.
    QString long60 = solid(60);
    long60[5] = u' ';
    EXPECT_EQ(wrapSheetText(long60, 2), (QStringList{long60.left(6), long60.mid(6)}));

    // Name Origin: breaks at 40 and then at 44 of the rest give three lines.
    QString origin = solid(100);
    origin[39] = u' ';
    origin[40 + 43] = u'-';
    const QStringList three = wrapSheetText(origin, 3);
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(three[0], origin.left(40));
    EXPECT_EQ(three[1], origin.mid(40, 44));
    EXPECT_EQ(three[2], origin.mid(84));
    EXPECT_EQ(three.join(QString()), origin);

    // A rest of 45 characters or fewer after the first break: two lines.
    QString two = solid(85);
    two[39] = u' ';
    EXPECT_EQ(wrapSheetText(two, 3), (QStringList{two.left(40), two.mid(40)}));
}
