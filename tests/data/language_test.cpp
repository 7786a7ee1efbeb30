// The language chosen from a locale name and from the environment, the element
// names in each carried language, and the data file's faults told in it.

#include "elementdata.h"
#include "language.h"
#include "testdata.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Speaks a language for one test; English again afterwards, whatever happens.
struct Speaking
{
    explicit Speaking(const char *code) { Language::use(QString::fromLatin1(code)); }
    ~Speaking() { Language::use({}); }
};

} // namespace

TEST(Language, ChosenFromLocaleNamesAndTheEnvironmentInItsOrder)
{
    // The language part alone decides, in any case; everything not carried is English.
    const std::pair<const char *, std::vector<const char *>> names[] = {
        {"de", {"de", "de_AT.UTF-8", "de_CH@euro", "DE_de"}},
        {"fr", {"fr_CA.utf8", "fr"}},
        {"es", {"es_MX", "es.UTF-8"}},
        {"",
         {"en_US.UTF-8", "C", "POSIX", "C.UTF-8", "ja_JP.UTF-8", "deu", "d", "", "_de", "it_DE"}}};
    for (const auto &[code, locales] : names)
        for (const char *name : locales)
            EXPECT_EQ(Language::carried(QString::fromLatin1(name)), QLatin1String(code)) << name;

    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG: the first one set decides; LANGUAGE
    // is a list whose first carried language wins.
    using Env = QMap<QByteArray, QByteArray>;
    const std::pair<Env, const char *> environments[] = {
        {{}, ""},
        {{{"LANG", "C"}}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, "fr"},
        {{{"LANGUAGE", "fr"}, {"LC_ALL", "es_ES"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {{{"LANGUAGE", "it:es:de"}, {"LANG", "fr_FR"}}, "es"},
        {{{"LANGUAGE", "it:pt_BR"}, {"LANG", "de_DE"}}, ""},
        // An English locale is spoken in English, not passed over for the next variable.
        {{{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {{{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, ""},
        // Set but empty counts as not set.
        {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "es_ES"}}, "es"},
    };
    for (const auto &[env, code] : environments) {
        const QString chosen =
            Language::fromEnvironment([&env](const char *name) { return env.value(name); });
        EXPECT_EQ(chosen, QLatin1String(code)) << env.keys().join(',').toStdString();
    }
}

// Each fault of a data file is told in the language in use, and in English
// again once English is spoken; a file name holding "%2" stays as it is.
TEST(Language, TheDataFilesFaultsAreToldInTheLanguageInUse)
{
    ElementData data;
    const QByteArray tooShort(1, '\x01');
    const QByteArray tooMany("\x77\x00", 2); // 119 records announced
    ElementRecord record = ElementRecord::blank();
    record.Classification = 11;
    const QByteArray badRecord = QByteArray("\x01\x00", 2) + encodeRecord(record).value();
    const std::tuple<const char *, QByteArray, QString> cases[] = {
        {"", tooShort, u"x%2.edb is too short to hold its record count"_s},
        {"de", tooShort, u"x%2.edb ist zu kurz für die Anzahl seiner Datensätze"_s},
        {"fr", tooMany, u"x%2.edb annonce 119 enregistrements, plus de 118"_s},
        {"es", tooMany, u"x%2.edb dice contener 119 registros, más de 118"_s},
        {"de", badRecord,
         u"x%2.edb, Datensatz 1: Classification 11 liegt nicht zwischen 0 und 10"_s},
        {"xx", tooMany, u"x%2.edb says it holds 119 records, more than 118"_s}};
    for (const auto &[code, bytes, expected] : cases) {
        const Speaking speaking(code);
        EXPECT_EQ(LoadElementTableFrom(bytes, u"x%2.edb"_s, data), expected) << code;
    }
    EXPECT_EQ(Language::current(), QString());
    EXPECT_EQ(LoadElementTableFrom(tooShort, u"a.edb"_s, data),
              u"a.edb is too short to hold its record count"_s);
}

// Every element has a name of its own in every language, none blank and no two
// alike. A sample across the table: names that differ most from the English,
// accented ones, the last ones named, and one the same as in English.
TEST(ElementNames, ReadInEachCarriedLanguageCompleteAndDistinct)
{
    const std::tuple<const char *, int, const char *> sample[] = {
        {"", 26, "Iron"},         {"", 13, "Aluminum"},     {"de", 26, "Eisen"},
        {"de", 1, "Wasserstoff"}, {"de", 42, "Molybdän"},   {"de", 80, "Quecksilber"},
        {"de", 117, "Tenness"},   {"de", 2, "Helium"},      {"fr", 26, "Fer"},
        {"fr", 7, "Azote"},       {"fr", 50, "Étain"},      {"fr", 71, "Lutécium"},
        {"fr", 117, "Tennesse"},  {"fr", 118, "Oganesson"}, {"es", 26, "Hierro"},
        {"es", 53, "Yodo"},       {"es", 74, "Wolframio"},  {"es", 28, "Níquel"},
        {"es", 118, "Oganesón"},  {"es", 36, "Criptón"}};
    for (const char *code : {"", "de", "fr", "es"}) {
        const Speaking speaking(code);
        QStringList names(1); // names[z] is element z's; a blank one repeats names[0]
        for (int z = 1; z <= MaxElements; ++z)
            names << elementName(shippedData().ElementTable[z]);
        for (const auto &[language, z, name] : sample)
            if (language == std::string_view(code))
                EXPECT_EQ(names[z], QString::fromUtf8(name)) << "'" << code << "' " << z;
        names.removeDuplicates();
        EXPECT_EQ(names.size(), 119) << code;
    }
}

// A name is found as the user writes it: in the language in use, or in English;
// a symbol still wins over a name ("Cu", not "Curium").
TEST(ElementNames, FoundInTheLanguageInUseOrInEnglish)
{
    const std::tuple<const char *, const char *, int> cases[] = {
        {"de", "eisen", 26},  {"de", "Iron", 26}, {"de", "Quecks", 80}, {"de", "cu", 29},
        {"es", "hierro", 26}, {"es", "plom", 82}, {"", "eisen", 0}};
    for (const auto &[code, text, z] : cases) {
        const Speaking speaking(code);
        EXPECT_EQ(findElement(shippedData(), QString::fromUtf8(text)), z) << code << " " << text;
    }
}
