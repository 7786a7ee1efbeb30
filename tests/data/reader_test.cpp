#include "elementdata.h"
#include "elementtsv.h"
#include "testdata.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using R = ElementRecord;

// One record's layout written out by hand: byte offset, field and value. Numbers
// are little-endian, texts Windows-1252 padded with spaces.
const std::tuple<int, qint16 R::*, qint16> Shorts[] = {
    {0, &R::AtomicNumber, 26}, {2, &R::Period, 4},       {4, &R::Group, 8},
    {25, &R::Neutrons, 1030},  {27, &R::LevelCount, 3},  {55, &R::Classification, 5},
    {481, &R::State, 3},       {488, &R::TableRow, 260}, {490, &R::TableColumn, 9}};
const std::tuple<int, double R::*, double> Doubles[] = {
    {47, &R::AtomicWeight, 55.845},     {251, &R::Density, 7.874},
    {279, &R::MeltingPoint, 1811},      {287, &R::BoilingPoint, 3134},
    {295, &R::AtomicRadius, 1.72},      {303, &R::AtomicVolume, 7.1},
    {311, &R::CovalentRadius, 1.17},    {339, &R::SpecificHeat, 0.44},
    {347, &R::FusionHeat, 13.8},        {355, &R::EvaporationHeat, 349.6},
    {383, &R::ThermalConduct, 80.2},    {391, &R::DebyeTemp, 460},
    {399, &R::ElectroNegativity, 1.83}, {407, &R::IonizingEnergy, 762.1},
    {465, &R::CrystalConstant, 2.87},   {473, &R::CrystalCARatio, 1.633}};
// The texts, in the same order: offset, width, field and bytes.
const int TextAt[] = {6, 9, 10, 57, 61, 91, 191, 259, 319, 363, 415, 425, 445, 483};
const int TextWidth[] = {3, 1, 15, 4, 30, 100, 60, 20, 20, 20, 10, 20, 20, 5};
QString R::*const TextField[] = {&R::Symbol,           &R::Spare,           &R::ElementName,
                                 &R::Discovered,       &R::Discoverer,      &R::NameOrigin,
                                 &R::Appearance,       &R::DensityUnit,     &R::IonicRadius,
                                 &R::ElectroConduct,   &R::OxidationStates, &R::ElectronicConfig,
                                 &R::CrystalStructure, &R::GroupLabel};
const QByteArray TextBytes[] = {
    "Fe",       "s",         "Iron", "Anc.",  "\xD8rsted \x96 \x80", "Latin ferrum", "silvery",
    "g/cm\xB3", "0.64 (+3)", "11.2", "+2,+3", "[Ar] 3d6 4s2",        "Cubic",        "VIIIB"};
// LevelElectrons: nine 16-bit counts from offset 29, level 0 first.
const std::array<qint16, 9> Levels = {7, 2, 8, 16, 0, 0, 0, 0, 300};

QByteArray handRecord()
{
    QByteArray b(RecordSize, '\0');
    for (const auto &[at, member, value] : Shorts)
        qToLittleEndian<qint16>(value, b.data() + at);
    for (int level = 0; level < 9; ++level)
        qToLittleEndian<qint16>(Levels[level], b.data() + 29 + 2 * level);
    for (const auto &[at, member, value] : Doubles)
        qToLittleEndian<double>(value, b.data() + at);
    for (int i = 0; i < 14; ++i)
        b.replace(TextAt[i], TextWidth[i], TextBytes[i].leftJustified(TextWidth[i], ' '));
    return b;
}

QString loadBytes(const QByteArray &bytes, ElementData &data)
{
    return LoadElementTableFrom(bytes, u"elementDat.edb"_s, data);
}

// The one record of a file holding just this record.
R readRecord(const QByteArray &record)
{
    ElementData data;
    EXPECT_EQ(loadBytes(QByteArray("\x01\x00", 2) + record, data), QString());
    return data.ElementTable[1];
}

std::vector<R> records(int n)
{
    std::vector<R> out;
    for (int z = 1; z <= n; ++z)
        out.push_back(makeTestRecord(z));
    return out;
}

} // namespace

TEST(RecordLayout, AHandWrittenRecordReadsFieldByFieldAndTheWriterMakesTheGoldenFile)
{
    const R r = readRecord(handRecord());
    for (const auto &[at, member, value] : Shorts)
        EXPECT_EQ(r.*member, value) << "offset " << at;
    EXPECT_EQ(r.LevelElectrons, Levels);
    for (const auto &[at, member, value] : Doubles)
        EXPECT_EQ(r.*member, value) << "offset " << at;
    for (int i = 0; i < 14; ++i) {
        const QString text = i == 4 ? u"Ørsted – €"_s : QString::fromLatin1(TextBytes[i]);
        EXPECT_EQ(r.*TextField[i], text.leftJustified(TextWidth[i])) << "offset " << TextAt[i];
    }
    // golden.edb: the hand-written record, then the same as element 27 "Co".
    const QByteArray golden = readFile(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/data/golden.edb"));
    EXPECT_EQ(golden.mid(2, 492), handRecord());
    R second = r;
    second.AtomicNumber = 27, second.Symbol = u"Co"_s;
    QString error;
    EXPECT_EQ(buildEdb({r, second}, &error), golden) << error.toStdString();
}

TEST(RecordLayout, CodePageBytesRoundTripAndTheWriterRefusesBadText)
{
    QByteArray record = handRecord();
    for (int i = 0; i < 34; ++i) // NameOrigin: bytes 0x80 to 0x9F, 0xA0 and 0xFF
        record[91 + i] = char(i < 32 ? 0x80 + i : i == 32 ? 0xA0 : 0xFF);
    R r = readRecord(record);
    EXPECT_EQ(r.NameOrigin.left(34),
              u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0ÿ"_s);
    // Written back, every byte is what was read, the undefined five too.
    EXPECT_EQ(*encodeRecord(r), record);

    QString error;
    r.Symbol = u"Abcd"_s; // too long for its field
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
    EXPECT_TRUE(error.contains(u"Symbol"_s)) << error.toStdString();
    r.Symbol = u"\u4e00"_s; // outside the code page
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
}

TEST(LoadElementTable, ReadsTheAnnouncedRecordsIntoTheirSlots)
{
    std::vector<R> three = records(3);
    three[1].AtomicNumber = 77; // stored by position, not by its own number
    const std::tuple<QByteArray, int, std::array<int, 5>> cases[] = {
        {makeEdbBytes(three) + QByteArray(700, 'x'), 3, {1, 77, 3, 0, 0}}, // trailing bytes ignored
        {makeEdbBytes(records(2), 0), 0, {}},
        {makeEdbBytes(records(2), -1), -1, {}}};
    for (const auto &[bytes, count, numbers] : cases) {
        ElementData data = makeTestData(118);
        EXPECT_EQ(loadBytes(bytes, data), QString()) << count;
        const auto &t = data.ElementTable;
        const std::array<int, 5> got = {t[1].AtomicNumber, t[2].AtomicNumber, t[3].AtomicNumber,
                                        t[4].AtomicNumber, t[118].AtomicNumber};
        EXPECT_EQ(std::tuple(data.ElementCount, got, t[0].Symbol),
                  std::tuple(count, numbers, QString(3, QChar(0))));
    }
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
    // A missing file is named as such.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"elementDat.edb"_s);
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
    list.push_back(readRecord(handRecord()));
    list[2].LevelElectrons[0] = list[2].LevelElectrons[8] = 0; // the table lists levels 1 to 7
    QString text = writeElementTsv(list);
    const TsvResult parsed = parseElementTsv(text);
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(*encodeRecord(parsed.records[2]), *encodeRecord(list[2]));
    text.replace(u"\n2\t\t"_s, u"\nzwei\t\t"_s);
    EXPECT_TRUE(parseElementTsv(text).error.contains(u"line 3: AtomicNumber"_s));
    EXPECT_TRUE(parseElementTsv(u"AtomicNumber\tPeriod\n"_s).error.contains(u"header"_s));
}
