#include "elementdata.h"
#include "elementtsv.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

using R = ElementRecord;

// The record layout written out by hand: byte offset, then the value every
// field of one record holds. Numbers are little-endian, texts Windows-1252.
const std::pair<int, qint16 R::*> Shorts[] = {
    {0, &R::AtomicNumber}, {2, &R::Period},      {4, &R::Group},
    {25, &R::Neutrons},    {27, &R::LevelCount}, {55, &R::Classification},
    {481, &R::State},      {488, &R::TableRow},  {490, &R::TableColumn}};
const qint16 ShortValues[] = {26, 4, 8, 1030, 3, 5, 3, 260, 9};
const std::tuple<int, double R::*, double> Doubles[] = {
    {47, &R::AtomicWeight, 55.845},     {251, &R::Density, 7.874},
    {279, &R::MeltingPoint, 1811},      {287, &R::BoilingPoint, 3134},
    {295, &R::AtomicRadius, 1.72},      {303, &R::AtomicVolume, 7.1},
    {311, &R::CovalentRadius, 1.17},    {339, &R::SpecificHeat, 0.44},
    {347, &R::FusionHeat, 13.8},        {355, &R::EvaporationHeat, 349.6},
    {383, &R::ThermalConduct, 80.2},    {391, &R::DebyeTemp, 460},
    {399, &R::ElectroNegativity, 1.83}, {407, &R::IonizingEnergy, 762.1},
    {465, &R::CrystalConstant, 2.87},   {473, &R::CrystalCARatio, 1.633}};
const std::tuple<int, int, QString R::*, QByteArray, QString> Texts[] = {
    {6, 3, &R::Symbol, "Fe", u"Fe"_s},
    {9, 1, &R::Spare, "s", u"s"_s},
    {10, 15, &R::ElementName, "Iron", u"Iron"_s},
    {57, 4, &R::Discovered, "Anc.", u"Anc."_s},
    {61, 30, &R::Discoverer, "\xD8rsted \x96 \x80", u"Ørsted – €"_s},
    {91, 100, &R::NameOrigin, "Latin ferrum", u"Latin ferrum"_s},
    {191, 60, &R::Appearance, "silvery", u"silvery"_s},
    {259, 20, &R::DensityUnit, "g/cm\xB3", u"g/cm³"_s},
    {319, 20, &R::IonicRadius, "0.64 (+3)", u"0.64 (+3)"_s},
    {363, 20, &R::ElectroConduct, "11.2", u"11.2"_s},
    {415, 10, &R::OxidationStates, "+2,+3", u"+2,+3"_s},
    {425, 20, &R::ElectronicConfig, "[Ar] 3d6 4s2", u"[Ar] 3d6 4s2"_s},
    {445, 20, &R::CrystalStructure, "Cubic", u"Cubic"_s},
    {483, 5, &R::GroupLabel, "VIIIB", u"VIIIB"_s}};
// LevelElectrons: nine 16-bit counts from offset 29, level 0 first.
const std::array<qint16, 9> Levels = {7, 2, 8, 16, 0, 0, 0, 0, 300};

QByteArray handRecord()
{
    QByteArray b(RecordSize, '\0');
    const auto put16 = [&b](int at, qint16 v) { qToLittleEndian<qint16>(v, b.data() + at); };
    for (size_t i = 0; i < std::size(Shorts); ++i)
        put16(Shorts[i].first, ShortValues[i]);
    for (int level = 0; level < 9; ++level)
        put16(29 + 2 * level, Levels[level]);
    for (const auto &[at, member, value] : Doubles) {
        quint64 bits;
        std::memcpy(&bits, &value, 8);
        qToLittleEndian<quint64>(bits, b.data() + at);
    }
    for (const auto &[at, width, member, bytes, text] : Texts)
        b.replace(at, width, bytes.leftJustified(width, ' '));
    return b;
}

R fullRecord()
{
    R r;
    for (size_t i = 0; i < std::size(Shorts); ++i)
        r.*Shorts[i].second = ShortValues[i];
    r.LevelElectrons = Levels;
    for (const auto &[at, member, value] : Doubles)
        r.*member = value;
    for (const auto &[at, width, member, bytes, text] : Texts)
        r.*member = text;
    return r;
}

QString loadBytes(const QByteArray &bytes, ElementData &data)
{
    return LoadElementTableFrom(bytes, QStringLiteral("elementDat.edb"), data);
}

std::vector<R> records(int n)
{
    std::vector<R> out;
    for (int z = 1; z <= n; ++z)
        out.push_back(makeTestRecord(z));
    return out;
}

} // namespace

TEST(RecordLayout, AHandWrittenRecordReadsFieldByField)
{
    ElementData data;
    ASSERT_EQ(loadBytes(QByteArray("\x01\x00", 2) + handRecord(), data), QString());
    const R &r = data.ElementTable[1];
    for (size_t i = 0; i < std::size(Shorts); ++i)
        EXPECT_EQ(r.*Shorts[i].second, ShortValues[i]) << "offset " << Shorts[i].first;
    EXPECT_EQ(r.LevelElectrons, Levels);
    for (const auto &[at, member, value] : Doubles)
        EXPECT_EQ(r.*member, value) << "offset " << at;
    for (const auto &[at, width, member, bytes, text] : Texts)
        EXPECT_EQ(r.*member, text.leftJustified(width)) << "offset " << at;
}

TEST(RecordLayout, TheWriterReproducesTheGoldenFile)
{
    // golden.edb: the hand-written record, then the same as element 27 "Co".
    QFile file(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/data/golden.edb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray golden = file.readAll();
    ASSERT_EQ(golden.size(), 2 + 2 * 492);
    EXPECT_EQ(golden.mid(2, 492), handRecord());
    R second = fullRecord();
    second.AtomicNumber = 27;
    second.Symbol = QStringLiteral("Co");
    QString error;
    EXPECT_EQ(buildEdb({fullRecord(), second}, &error), golden) << error.toStdString();
}

TEST(RecordLayout, CodePageBytes80To9FReadAsTheirCharacters)
{
    const char16_t expected[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray record = handRecord();
    for (int i = 0; i < 32; ++i)
        record[91 + i] = char(0x80 + i); // NameOrigin
    record[91 + 32] = char(0xA0);
    record[91 + 33] = char(0xFF);
    ElementData data;
    ASSERT_EQ(loadBytes(QByteArray("\x01\x00", 2) + record, data), QString());
    const QString origin = data.ElementTable[1].NameOrigin;
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(origin[i].unicode(), expected[i]) << std::hex << 0x80 + i;
    EXPECT_EQ(origin.mid(32, 2), u"\u00A0\u00FF"_s);
    // Written back, every byte is what was read, the undefined five too.
    EXPECT_EQ(*encodeRecord(data.ElementTable[1]), record);

    // The writer refuses text too long for its field or outside the code page.
    R r = fullRecord();
    QString error;
    r.Symbol = QStringLiteral("Abcd");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("Symbol"))) << error.toStdString();
    r.Symbol = QStringLiteral("\u4e00");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
}

TEST(LoadElementTable, ReadsTheAnnouncedRecordsIntoTheirSlots)
{
    std::vector<R> three = records(3);
    three[1].AtomicNumber = 77; // stored by position, not by its own number
    const std::tuple<QByteArray, int, std::vector<int>> cases[] = {
        {makeEdbBytes(records(118)), 118, {1, 2, 3, 4, 118}},
        {makeEdbBytes(three) + QByteArray(700, 'x'), 3, {1, 77, 3, 0, 0}}, // trailing bytes ignored
        {makeEdbBytes(records(2), 0), 0, {0, 0, 0, 0, 0}},
        {makeEdbBytes(records(2), -1), -1, {0, 0, 0, 0, 0}}};
    for (const auto &[bytes, count, numbers] : cases) {
        ElementData data = makeTestData(118);
        EXPECT_EQ(loadBytes(bytes, data), QString()) << count;
        EXPECT_EQ(data.ElementCount, count);
        std::vector<int> got;
        for (int z : {1, 2, 3, 4, 118})
            got.push_back(data.ElementTable[z].AtomicNumber);
        EXPECT_EQ(got, numbers) << count;
        EXPECT_EQ(data.ElementTable[0].Symbol, QString(3, QChar(0)));
    }
    ClassificationNames names;
    InitClassificationNames(names);
    EXPECT_EQ(names[0], QString(50, QChar(0)));
    EXPECT_EQ(names[1], QStringLiteral("Inert Gas").leftJustified(50));
    EXPECT_EQ(names[10], QStringLiteral("Radioactive Rare Earth Element (Actinide Series)  "));
}

TEST(LoadElementTable, BadFilesAreRefusedWithAMessageAndNoHalfTable)
{
    auto withFault = [](auto change) {
        std::vector<R> list = records(4);
        change(list[3]);
        return makeEdbBytes(list);
    };
    const std::pair<QByteArray, QString> cases[] = {
        {makeEdbBytes(records(3), 119), u"more than 118"_s},
        {makeEdbBytes(records(3), 5),
         u"elementDat.edb holds 3 whole records, but its header promises 5"_s},
        {makeEdbBytes(records(3)).chopped(1), u"holds 2 whole records"_s},
        {QByteArray(1, '\x01'), u"too short"_s},
        {withFault([](R &r) { r.Classification = 11; }), u"record 4: Classification 11"_s},
        {withFault([](R &r) { r.Classification = -1; }), u"record 4: Classification -1"_s},
        {withFault([](R &r) { r.State = -1; }), u"record 4: State -1"_s},
        {withFault([](R &r) { r.State = 4; }), u"record 4: State 4"_s},
        {withFault([](R &r) { r.LevelCount = 8; }), u"record 4: LevelCount 8"_s},
        {withFault([](R &r) { r.LevelCount = -1; }), u"record 4: LevelCount -1"_s},
        {withFault([](R &r) { r.LevelCount = 2; }), u"record 4: LevelElectrons of level 2"_s},
        {withFault(
             [](R &r) { r.LevelCount = 2, r.LevelElectrons[1] = 100, r.LevelElectrons[2] = 19; }),
         u"add up to 119"_s},
    };
    for (const auto &[bytes, expected] : cases) {
        ElementData data = makeTestData(5);
        const QString error = loadBytes(bytes, data);
        EXPECT_TRUE(error.contains(expected)) << error.toStdString();
        EXPECT_EQ(data.ElementCount + data.ElementTable[1].AtomicNumber, 0);
    }
}

TEST(LoadElementTable, MissingOrUnreadableFileIsNamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("elementDat.edb"));
    ElementData data;
    EXPECT_TRUE(LoadElementTable(path, data).contains(u"elementDat.edb was not found"_s));
    // A folder or a pipe is refused before it is opened: a pipe would block.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("elementDat.edb")));
    EXPECT_TRUE(LoadElementTable(path, data).contains(u"elementDat.edb is not a regular file"_s));
    const QString fifo = dir.filePath(QStringLiteral("pipe.edb"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(LoadElementTable(fifo, data).contains(u"pipe.edb is not a regular file"_s));
}

TEST(ElementTsv, RoundTripsAndReportsTheLineAndFieldOfABadValue)
{
    std::vector<R> list = records(2);
    list.push_back(fullRecord());
    list[2].LevelElectrons[0] = list[2].LevelElectrons[8] =
        0; // the table lists occupied levels only
    const TsvResult parsed = parseElementTsv(writeElementTsv(list));
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(*encodeRecord(parsed.records[2]), *encodeRecord(list[2]));

    QString text = writeElementTsv(list);
    text.replace(QStringLiteral("\n2\t\t"), QStringLiteral("\nzwei\t\t"));
    EXPECT_TRUE(parseElementTsv(text).error.contains(u"line 3: AtomicNumber"_s));
    EXPECT_TRUE(parseElementTsv(u"AtomicNumber\tPeriod\n"_s).error.contains(u"header"_s));
}
