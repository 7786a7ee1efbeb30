// Where each value comes from: NOTICE read as the program reads it, the codes of
// elements.tsv checked against it, the hand corrections against their reasons,
// and a source known only for the value it describes.

#include "elementsources.h"
#include "testdata.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString sourceFile(const char *name)
{
    return QString::fromUtf8(
        readFile(QStringLiteral(ZELVANE_SOURCE_DIR "/") + QLatin1String(name)));
}

ElementSources readSources(const QString &elements, const QString &overrides, const QString &notice)
{
    QString error;
    ElementSources s = ElementSources::read(elements, overrides, notice, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return s;
}

// The data files and NOTICE as the source folder holds them.
struct SourceFiles : ::testing::Test
{
    const QString elements = sourceFile("data/elements.tsv");
    const QString overrides = sourceFile("data/overrides.tsv");
    const QString notice = sourceFile("NOTICE");
};

QStringList codes(const Notice &notice)
{
    QStringList out;
    for (const DataSource &s : notice.sources)
        out << s.code;
    return out;
}

} // namespace

TEST(Notice, EntriesGiveTheirCodeNameVersionLicenceAndWhatWasTaken)
{
    const Notice notice = parseNotice(sourceFile("NOTICE"));
    EXPECT_EQ(codes(notice).join(u' '),
              u"BODR PT QC PMG PTN NPT MVZ handbook:CRC rule ours override none"_s);
    const DataSource *pt = notice.source(u"PT"_s);
    ASSERT_TRUE(pt);
    EXPECT_EQ(std::tuple(pt->title, pt->shortLicence(), pt->describe()),
              std::tuple(u"periodictable 1.6.0 (NIST)"_s, u"public domain"_s,
                         u"periodictable 1.6.0 (NIST); public domain"_s));
    // The files a Taken line names are not what was taken; handbook figures
    // carry no licence, and the code holds a colon.
    EXPECT_TRUE(notice.source(u"PMG"_s)->taken.startsWith(u"melting and boiling points"_s));
    EXPECT_EQ(notice.source(u"BODR"_s)->describe(), u"Blue Obelisk Data Repository 10; MIT"_s);
    EXPECT_EQ(notice.source(u"handbook:CRC"_s)->describe(),
              u"standard handbook figure (CRC Handbook of Chemistry and Physics)"_s);
    EXPECT_EQ(notice.source(u"CE"_s), nullptr);
    EXPECT_EQ(notice.licence, u"Zelvane's own code and its element data set (data/elements.tsv "
                              u"and the elementDat.edb built from it) are under the MIT licence "
                              u"in LICENSE, Copyright (c) 2026 Zelvane Works."_s);
    EXPECT_TRUE(notice.fonts.startsWith(u"Zelvane Sans and Zelvane Mono"_s));
    EXPECT_TRUE(notice.fonts.contains(u"SIL Open Font License 1.1"_s));

    // The rules on a small text: an entry ends at a blank or unindented line,
    // prose is no entry, sections are found by their underlined headings.
    const Notice small = parseNotice(u"Title\n=====\n\nOurs: MIT.\n\nMore.\n\n"
                                     u"1. Fonts\n--------\n\nA face.\n  Copyright X\n\n"
                                     u"2. Sources\n----------\n\nRead these: all of them.\n"
                                     u"A: Alpha 1\n  Licence: ISC (terms)\n  Taken: a,\n    b.\n"
                                     u"Not indented.\n  Licence: none\nB:C: Beta\n\n"
                                     u"3. Other\n--------\nC: Gamma\n"_s);
    EXPECT_EQ(codes(small).join(u' '), u"A B:C"_s);
    EXPECT_EQ(
        std::tuple(small.sources[0].describe(), small.sources[0].taken, small.sources[1].licence),
        std::tuple(u"Alpha 1; ISC"_s, u"a, b."_s, QString()));
    EXPECT_EQ(std::tuple(small.licence, small.fonts),
              std::tuple(u"Ours: MIT."_s, u"A face.\nCopyright X"_s));
}

// Checked, not trusted: NOTICE describes every code elements.tsv uses, and
// every source it describes gives a value.
TEST_F(SourceFiles, EveryCodeUsedIsDescribedAndEveryDescribedOneIsUsed)
{
    const ElementSources &built = builtInSources();
    EXPECT_EQ(built.codeFaults(), QStringList());
    EXPECT_EQ(built.elementCount(), 118);
    // What the program carries is what the source folder holds.
    const ElementSources files = readSources(elements, overrides, notice);
    EXPECT_EQ(std::pair(built.usedCodes(), codes(built.notice())),
              std::pair(files.usedCodes(), codes(files.notice())));

    // An undescribed code in the table, a source NOTICE leaves out, a source it
    // describes that gives nothing: each is a fault.
    QString unknownCode = elements;
    unknownCode.replace(u"\tMVZ\t"_s, u"\tXYZ\t"_s);
    EXPECT_EQ(readSources(unknownCode, overrides, notice).codeFaults(),
              (QStringList{u"XYZ is used, but NOTICE does not describe it"_s,
                           u"MVZ is described in NOTICE, but no value uses it"_s}));
    QString noQc = notice;
    noQc.replace(u"QC: QCElemental"_s, u"QCElemental"_s);
    EXPECT_EQ(readSources(elements, overrides, noQc).codeFaults(),
              QStringList{u"QC is used, but NOTICE does not describe it"_s});
    QString extra = notice;
    extra.replace(u"\nrule: "_s, u"\nCE: chemical-elements 2.3.3\n  Licence: MIT\n\nrule: "_s);
    EXPECT_EQ(readSources(elements, overrides, extra).codeFaults(),
              QStringList{u"CE is described in NOTICE, but no value uses it"_s});
}

TEST_F(SourceFiles, EveryCorrectionHasOneReasonForTheValueItGives)
{
    EXPECT_EQ(builtInSources().overrideFaults(), QStringList());
    EXPECT_EQ(builtInSources().overrideCount(), 58);

    const auto faults = [&](QString rows, const QString &from, const QString &to) {
        EXPECT_TRUE(rows.contains(from)) << from.toStdString();
        rows.replace(from, to);
        return readSources(elements, rows, notice).overrideFaults();
    };
    // Another value than the table's; a row for a value not marked override;
    // a value marked override without its row.
    EXPECT_EQ(faults(overrides, u"H\tDiscoverer\tH. Cavendish"_s, u"H\tDiscoverer\tH. Cavendis"_s),
              QStringList{u"H Discoverer: elements.tsv holds 'H. Cavendish', the correction "
                          u"'H. Cavendis'"_s});
    EXPECT_EQ(faults(overrides, u"Hs\tAtomicWeight\t269"_s, u"Hs\tAtomicWeight\t269.0"_s),
              QStringList());
    EXPECT_EQ(faults(overrides, u"B\tDiscoverer\t"_s, u"B\tAppearance\t"_s),
              (QStringList{u"B Appearance: elements.tsv names its source ours"_s,
                           u"B Discoverer: marked override, with no reason"_s}));
}

TEST(ElementSources, ASourceIsKnownOnlyForTheShippedValueOfItsElement)
{
    const ElementSources &sources = builtInSources();
    const ElementRecord iron = shippedData().ElementTable[26];
    const int density = recordFieldIndex(u"Density"_s);
    const int discoverer = recordFieldIndex(u"Discoverer"_s);
    EXPECT_EQ(sources.sourceOf(iron, 26, density).code, u"PT"_s);
    EXPECT_EQ(sources.sourceOf(iron, 26, recordFieldIndex(u"AtomicWeight"_s)).code, u"BODR"_s);
    EXPECT_EQ(sources.sourceOf(iron, 26, recordFieldIndex(u"TableColumn"_s)).code, u"rule"_s);

    ElementRecord other = iron;
    other.Density = 7.875;
    EXPECT_EQ(sources.sourceOf(other, 26, density).code, QString()); // another value
    EXPECT_EQ(sources.sourceOf(other, 26, discoverer).code, u"ours"_s);
    other = iron;
    other.Symbol = u"Xx "_s; // another element in iron's slot, with iron's density
    EXPECT_EQ(sources.sourceOf(other, 26, density).code, QString());
    // Another slot, or a field outside the record.
    for (const auto &[slot, field] :
         {std::pair(0, density), {25, density}, {27, density}, {119, density}, {26, -1}, {26, 40}})
        EXPECT_EQ(sources.sourceOf(iron, qint16(slot), field).code, QString()) << slot << field;

    // A correction: its code, the source it is based on, and why.
    const ValueSource h = sources.sourceOf(shippedData().ElementTable[1], 1, discoverer);
    EXPECT_EQ(std::tuple(h.code, h.basis, h.reason),
              std::tuple(u"override"_s, u"BODR"_s,
                         u"BODR gives the initial C.; the discoverer is Henry Cavendish"_s));
}
