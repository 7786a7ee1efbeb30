// The source of each sheet line, as its tooltip, its accessible description and
// the text form give it, and the printed page's source note.

#include "language.h"
#include "sheetfixture.h"
#include "sheetsources.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;
using namespace sheetfixture;

namespace {

// The field each line shows, line 0 being the title line, as the sheet's table has them.
const QStringList LineField =
    u"ElementName Period Group Classification State AtomicWeight AtomicVolume AtomicRadius "
    u"Density ElectroNegativity ElectroConduct ThermalConduct MeltingPoint BoilingPoint "
    u"SpecificHeat FusionHeat EvaporationHeat DebyeTemp CovalentRadius IonicRadius "
    u"IonizingEnergy OxidationStates CrystalStructure CrystalConstant CrystalCARatio "
    u"ElectronicConfig Discovered Discoverer Appearance NameOrigin"_s.split(u' ');

// What each code of elements.tsv is shown as, from NOTICE's entries.
const std::map<QString, QString> Described = {
    {u"BODR"_s, u"Blue Obelisk Data Repository 10; MIT"_s},
    {u"PT"_s, u"periodictable 1.6.0 (NIST); public domain"_s},
    {u"QC"_s, u"QCElemental 0.25.1; BSD-3-Clause"_s},
    {u"PMG"_s, u"pymatgen 2022.11.7; MIT"_s},
    {u"PTN"_s, u"periodic-table 0.0.8; ISC"_s},
    {u"NPT"_s, u"node-periodic-table 0.0.6; MIT"_s},
    {u"MVZ"_s, u"matterviz (version not recorded); MIT"_s},
    {u"handbook:CRC"_s, u"standard handbook figure (CRC Handbook of Chemistry and Physics)"_s},
    {u"rule"_s, u"Zelvane, derived by rule; MIT"_s},
    {u"ours"_s, u"Zelvane, written for the program; MIT"_s},
    {u"none"_s, u"no trustworthy value"_s}};

// The rows of a tab-separated file without its comment lines, the header first.
std::vector<QStringList> rows(const char *file)
{
    std::vector<QStringList> out;
    const QString text = QString::fromUtf8(
        readFile(QStringLiteral(ZELVANE_SOURCE_DIR "/data/") + QLatin1String(file)));
    for (const QString &line : text.split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#')) out.push_back(line.split(u'\t'));
    return out;
}

LineSource source(int line, const ElementRecord &r, qint16 n)
{
    return sheetLineSource(line, r, n, classNames(), builtInSources());
}

} // namespace

// Each line names the source that elements.tsv gives its field, read here from
// the file itself; a correction names the source overrides.tsv bases it on and
// its reason.
TEST(SheetSources, EachLineNamesTheSourceElementsTsvGivesItsField)
{
    const std::vector<QStringList> table = rows("elements.tsv");
    std::map<std::pair<QString, QString>, QStringList> corrections;
    for (const QStringList &row : rows("overrides.tsv"))
        corrections[{row[0], row[1]}] = row;
    int checked = 0, corrected = 0;
    for (qint16 z : {1, 15, 26, 34, 46, 79, 103, 118}) {
        const ElementRecord &r = shippedData().ElementTable[z];
        const QStringList &cells = table[size_t(z)];
        for (int line = 0; line <= 29; ++line) {
            const QString &field = LineField[line];
            const QString code = cells[table[0].indexOf(field + u"_src"_s)];
            QString expected = code == u"override"_s ? QString() : Described.at(code);
            QStringList reasons;
            if (code == u"override"_s) {
                const QStringList &row =
                    corrections.at({cells[table[0].indexOf(u"Symbol"_s)], field});
                expected = Described.at(row[3]) + u", corrected by hand for Zelvane"_s;
                reasons << row[4];
                ++corrected;
            }
            const LineSource got = source(line, r, z);
            EXPECT_EQ(std::pair(got.source, got.reasons), std::pair(expected, reasons))
                << z << " line " << line;
            ++checked;
        }
    }
    EXPECT_EQ(std::pair(checked, corrected), std::pair(8 * 30, 8)); // H, P, Se 3, Lr 2, Og

    // The whole text, as the tooltip shows it.
    const ElementRecord &iron = shippedData().ElementTable[26];
    EXPECT_EQ(source(0, iron, 26).text(),
              u"26 Iron Fe — periodictable 1.6.0 (NIST); public domain"_s);
    EXPECT_EQ(source(8, iron, 26).text(),
              u"Density 7.874 g/cm³ — periodictable 1.6.0 (NIST); public domain"_s);
    EXPECT_EQ(source(24, iron, 26).text(), u"Crystal CA Ratio 0 — no trustworthy value"_s);
    const LineSource h = source(27, shippedData().ElementTable[1], 1);
    EXPECT_EQ(h.text(), u"Discoverer H. Cavendish — Blue Obelisk Data Repository 10; MIT, "
                        u"corrected by hand for Zelvane\nReason: BODR gives the initial C.; the "
                        u"discoverer is Henry Cavendish"_s);
    EXPECT_EQ(h.oneLine(),
              u"Blue Obelisk Data Repository 10; MIT, corrected by hand for Zelvane. "
              u"Reason: BODR gives the initial C.; the discoverer is Henry Cavendish"_s);
}

// Values that are not the shipped ones, as from another data file, have no
// known source; the others keep theirs.
TEST(SheetSources, AnotherValueShowsUnknown)
{
    ElementRecord iron = shippedData().ElementTable[26];
    iron.Density = 7.9;
    EXPECT_EQ(source(8, iron, 26).text(), u"Density 7.9 g/cm³ — unknown"_s);
    EXPECT_EQ(source(5, iron, 26).source, u"Blue Obelisk Data Repository 10; MIT"_s);
    iron = shippedData().ElementTable[26];
    iron.DensityUnit = u"kg/m³"_s.leftJustified(20); // the unit shown with the density
    EXPECT_EQ(source(8, iron, 26).source, u"unknown"_s);
    // Another file's element in iron's slot: nothing is known.
    const ElementRecord stranger = makeTestRecord(26);
    for (int line = 0; line <= 29; ++line)
        EXPECT_EQ(source(line, stranger, 26).source, u"unknown"_s) << line;
    EXPECT_EQ(pageSourceCodes(stranger, 26, builtInSources()), QStringList{u"unknown"_s});
}

TEST(SheetSources, ThePagesCodesInNoticesOrderWithoutNone)
{
    const auto codes = [](qint16 z) {
        return pageSourceCodes(shippedData().ElementTable[z], z, builtInSources()).join(u' ');
    };
    EXPECT_EQ(codes(26), u"BODR PT PMG PTN MVZ handbook:CRC rule ours"_s);
    // Lr's neutrons count from QC, its weight corrected by hand; Og has few figures.
    EXPECT_EQ(codes(103), u"BODR PT QC PMG PTN rule ours override"_s);
    EXPECT_EQ(codes(118), u"BODR PT PTN rule ours override"_s);
    ElementRecord iron = shippedData().ElementTable[26];
    iron.Neutrons = 29; // shown on the printed page only
    EXPECT_EQ(pageSourceCodes(iron, 26, builtInSources()).join(u' '),
              u"BODR PT PMG PTN MVZ handbook:CRC rule ours unknown"_s);
}

namespace {

struct PrintedNote
{
    PageCanvas page;
    const PageCanvas::Item *note = nullptr;
    double originY = 0, blockY = 0, atomRight = 0, atomBottom = 0;
};

// Element n printed onto a page of that size with the atom 6060 twips high at
// (200, the header's bottom), as printing places it; the note and where the sheet
// lies.
void printNote(PrintedNote &out, qint16 n, QSizeF page)
{
    const qint16 headerY = printSheet(out.page, n, page.width(), &builtInSources(), page.height());
    out.atomRight = 200 + 6060;
    out.atomBottom = headerY + 6060;
    for (const PageCanvas::Item &item : out.page.items()) {
        if (item.kind != PageCanvas::Item::Text) continue;
        if (item.text.startsWith(u"Sources:"_s) && !out.note) out.note = &item;
        if (item.text == u"Name Origin: "_s) out.originY = item.y;
        if (item.text == u"Period: "_s) out.blockY = item.y;
    }
}

double rightOf(const PageCanvas::Item &item)
{
    return item.x + QFontMetricsF(item.font).horizontalAdvance(item.text);
}

} // namespace

// The note closes the page below Name Origin, in the page; where the page is
// too short for it there, it goes right of the atom, under the legend.
TEST(PrintSheet, TheSourceNoteEndsThePageInsideItAndOffTheAtom)
{
    PrintedNote tall;
    printNote(tall, 26, {11520, 15120});
    ASSERT_TRUE(tall.note);
    EXPECT_EQ(tall.note->text,
              u"Sources: BODR, PT, PMG, PTN, MVZ, handbook:CRC, rule, ours; see Zelvane's About "
              u"page."_s);
    EXPECT_NEAR(tall.note->x, 720, 1); // the label indent, six columns of 10 point Courier
    EXPECT_EQ(tall.note->font.pixelSize(), 160); // 8 point
    EXPECT_GT(tall.note->y, tall.originY);
    EXPECT_LE(tall.note->y + QFontMetricsF(tall.note->font).height(), 15120);
    EXPECT_LE(rightOf(*tall.note), 11520);

    // Too short a page for it below the sheet: right of the atom, above the
    // sheet, inside the page; narrower, it wraps and keeps every word.
    PrintedNote short_;
    printNote(short_, 26, {11520, 14200});
    ASSERT_TRUE(short_.note);
    EXPECT_GE(short_.note->x, short_.atomRight);
    EXPECT_LT(short_.note->y, short_.blockY);
    QString words;
    for (const PageCanvas::Item &item : short_.page.items()) {
        if (item.kind != PageCanvas::Item::Text || item.y < short_.note->y ||
            item.y >= short_.blockY)
            continue;
        EXPECT_LE(rightOf(item), 11520) << item.text.toStdString();
        words += item.text + u' ';
    }
    EXPECT_EQ(words.simplified(), tall.note->text);

    // Without the sources nothing is added.
    PageCanvas plain;
    printSheet(plain, 26, 11520);
    EXPECT_EQ(plain.items().size() + 1, tall.page.items().size());
}

// In another language the line reads with its translated label (a French colon
// set apart is dropped with its space), the unknown source and the reasons in
// that language; English again after it.
TEST(SheetSources, InTheLanguageInUse)
{
    ElementRecord iron = shippedData().ElementTable[26];
    iron.Density = 7.9;
    const ElementRecord &h = shippedData().ElementTable[1];
    struct Expected
    {
        const char *code;
        QString density, discoverer, note;
    };
    const Expected languages[] = {
        {"de", u"Dichte 7.9 g/cm³ — unbekannt"_s,
         u"Entdecker H. Cavendish — Blue Obelisk Data Repository 10; MIT, corrected by hand for "
         u"Zelvane\nGrund: BODR gives the initial C.; the discoverer is Henry Cavendish"_s,
         u"Quellen: PT, unbekannt; siehe die Info-Seite von Zelvane."_s},
        {"fr", u"Masse volumique 7.9 g/cm³ — inconnue"_s,
         u"Découvreur H. Cavendish — Blue Obelisk Data Repository 10; MIT, corrected by hand "
         u"for Zelvane\nRaison : BODR gives the initial C.; the discoverer is Henry Cavendish"_s,
         u"Sources : PT, inconnue ; voir la page À propos de Zelvane."_s},
        {"es", u"Densidad 7.9 g/cm³ — desconocida"_s,
         u"Descubridor H. Cavendish — Blue Obelisk Data Repository 10; MIT, corrected by hand "
         u"for Zelvane\nMotivo: BODR gives the initial C.; the discoverer is Henry Cavendish"_s,
         u"Fuentes: PT, desconocida; véase la página Acerca de Zelvane."_s}};
    for (const Expected &language : languages) {
        Language::use(QLatin1String(language.code));
        const QString density = source(8, iron, 26).text();
        const QString discoverer = source(27, h, 1).text();
        const QString note = sourceNoteText({u"PT"_s, u"unknown"_s});
        Language::use({});
        EXPECT_EQ(density.toStdString(), language.density.toStdString());
        EXPECT_EQ(discoverer.toStdString(), language.discoverer.toStdString());
        EXPECT_EQ(note.toStdString(), language.note.toStdString());
    }
    EXPECT_EQ(sourceNoteText({u"PT"_s, u"unknown"_s}),
              u"Sources: PT, unknown; see Zelvane's About page."_s);
}
