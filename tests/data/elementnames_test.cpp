#include "elementdata.h"
#include "language.h"
#include "testdata.h"

#include <gtest/gtest.h>

namespace {

// Speaks a language for one test, and English again after it.
struct Speaking
{
    explicit Speaking(const char *code) { Language::use(QString::fromLatin1(code)); }
    ~Speaking() { Language::use({}); }
};

struct Names
{
    const char *code;
    int z;
    const char *name;
};

} // namespace

// A sample across the table: names that differ most from the English, the
// accented ones, the last ones named, and one the same as in English.
TEST(ElementNames, ReadInEachCarriedLanguage)
{
    const Names cases[] = {
        {"", 26, "Iron"},         {"", 13, "Aluminum"},     {"de", 26, "Eisen"},
        {"de", 1, "Wasserstoff"}, {"de", 42, "Molybdän"},   {"de", 80, "Quecksilber"},
        {"de", 117, "Tenness"},   {"de", 2, "Helium"},      {"fr", 26, "Fer"},
        {"fr", 7, "Azote"},       {"fr", 50, "Étain"},      {"fr", 71, "Lutécium"},
        {"fr", 117, "Tennesse"},  {"fr", 118, "Oganesson"}, {"es", 26, "Hierro"},
        {"es", 53, "Yodo"},       {"es", 74, "Wolframio"},  {"es", 28, "Níquel"},
        {"es", 118, "Oganesón"},  {"es", 36, "Criptón"},
    };
    const ElementData &data = shippedData();
    for (const Names &c : cases) {
        const Speaking speaking(c.code);
        EXPECT_EQ(elementName(data.ElementTable[c.z]), QString::fromUtf8(c.name))
            << "language '" << c.code << "', element " << c.z;
    }
}

// Every element has a name of its own in every language: none is left blank,
// and no two elements share one.
TEST(ElementNames, AreCompleteAndDistinct)
{
    const ElementData &data = shippedData();
    for (const char *code : {"de", "fr", "es"}) {
        const Speaking speaking(code);
        QStringList names;
        for (int z = 1; z <= MaxElements; ++z)
            names << elementName(data.ElementTable[z]);
        EXPECT_EQ(names.size(), 118);
        EXPECT_FALSE(names.contains(QString())) << code;
        names.removeDuplicates();
        EXPECT_EQ(names.size(), 118) << code;
    }
}

// A name is found as the user writes it: in the language in use, or in English.
TEST(ElementNames, FoundInTheLanguageInUseOrInEnglish)
{
    const ElementData &data = shippedData();
    {
        const Speaking speaking("de");
        EXPECT_EQ(findElement(data, QStringLiteral("eisen")), 26);
        EXPECT_EQ(findElement(data, QStringLiteral("Iron")), 26);
        EXPECT_EQ(findElement(data, QStringLiteral("Quecks")), 80);
        // A symbol still wins over a name: "Cu", not "Curium".
        EXPECT_EQ(findElement(data, QStringLiteral("cu")), 29);
    }
    {
        const Speaking speaking("es");
        EXPECT_EQ(findElement(data, QStringLiteral("hierro")), 26);
        EXPECT_EQ(findElement(data, QStringLiteral("plom")), 82);
    }
    // Back in English the German name is unknown.
    EXPECT_EQ(findElement(data, QStringLiteral("eisen")), 0);
}
