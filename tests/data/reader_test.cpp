#include "elementdata.h"
#include "elementtsv.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<ElementRecord> records(int n)
{
    std::vector<ElementRecord> out;
    for (int z = 1; z <= n; ++z)
        out.push_back(makeTestRecord(z));
    return out;
}

QString loadBytes(const QByteArray &bytes, ElementData &data)
{
    return LoadElementTableFrom(bytes, QStringLiteral("elementDat.edb"), data);
}

template <typename T> T valueAt(const QByteArray &bytes, int offset)
{
    T value; // the test runs on little-endian hosts, like the file
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

} // namespace

TEST(RecordLayout, FieldsSitAtTheirOffsetsAndTextIsWindows1252)
{
    ElementRecord r = makeTestRecord(26);
    r.AtomicWeight = 55.845;
    r.Density = 7.874;
    r.CrystalCARatio = 1.633;
    r.LevelElectrons = {0, 2, 8, 14, 2, 0, 0, 0, 0};
    r.State = 3;
    r.TableRow = 4;
    r.TableColumn = 8;
    r.Symbol = QStringLiteral("Fe");
    r.DensityUnit = QStringLiteral("g/cm³");
    r.Discoverer = QStringLiteral("Ørsted – €");
    r.GroupLabel = QStringLiteral("VIIIB");
    const QByteArray bytes = *encodeRecord(r);
    ASSERT_EQ(bytes.size(), RecordSize);
    EXPECT_EQ(valueAt<qint16>(bytes, 0), 26);
    EXPECT_EQ(bytes.mid(6, 3), QByteArray("Fe "));
    EXPECT_EQ(valueAt<qint16>(bytes, 29 + 2 * 3), 14);
    EXPECT_EQ(valueAt<double>(bytes, 47), 55.845);
    EXPECT_EQ(valueAt<double>(bytes, 251), 7.874);
    EXPECT_EQ(quint8(bytes[259 + 4]), 0xB3);           // ³
    EXPECT_EQ(bytes.mid(61, 10), QByteArray("\xD8rsted \x96 \x80")); // Ø, en dash, euro
    EXPECT_EQ(valueAt<double>(bytes, 473), 1.633);
    EXPECT_EQ(valueAt<qint16>(bytes, 481), 3);
    EXPECT_EQ(bytes.mid(483, 5), QByteArray("VIIIB"));
    EXPECT_EQ(valueAt<qint16>(bytes, 488), 4);
    EXPECT_EQ(valueAt<qint16>(bytes, 490), 8);

    // Every byte of the code page, the five it leaves undefined too, reads back as written.
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(charToCp1252(cp1252ToChar(uchar(byte))), byte);
    // Reading gives the texts back with their padding kept.
    const ElementRecord back = decodeRecord(bytes.constData());
    EXPECT_EQ(back.Symbol, QStringLiteral("Fe "));
    EXPECT_EQ(back.Discoverer, QStringLiteral("Ørsted – €").leftJustified(30));
    EXPECT_EQ(*encodeRecord(back), bytes);

    // The writer refuses text that does not fit its field or its code page.
    QString error;
    r.Symbol = QStringLiteral("Abcd");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("Symbol"))) << error.toStdString();
    r.Symbol = QStringLiteral("\u4e00");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
}

TEST(LoadElementTable, ReadsTheAnnouncedRecordsIntoTheirSlots)
{
    std::vector<ElementRecord> three = records(3);
    three[1].AtomicNumber = 77; // stored by position, not by its own number
    struct Case
    {
        QByteArray bytes;
        int count;
    } cases[] = {
        {makeEdbBytes(records(118)), 118},
        {makeEdbBytes(three) + QByteArray(700, 'x'), 3}, // trailing bytes are ignored
        {makeEdbBytes(records(2), 0), 0},
        {makeEdbBytes(records(2), -1), -1},
    };
    for (const Case &c : cases) {
        ElementData data;
        EXPECT_TRUE(loadBytes(c.bytes, data).isEmpty()) << c.count;
        EXPECT_EQ(data.ElementCount, c.count);
        for (int z = 1; z <= 118; ++z)
            EXPECT_EQ(data.ElementTable[z].AtomicNumber, z <= c.count ? (z == 2 && c.count == 3 ? 77 : z) : 0);
        EXPECT_EQ(data.ElementTable[0].Symbol, QString(3, QChar(0)));
    }
    // Class slot 0 is empty; the others are padded to 50 characters.
    ClassificationNames names;
    InitClassificationNames(names);
    EXPECT_EQ(names[0], QString(50, QChar(0)));
    EXPECT_EQ(names[1], QStringLiteral("Inert Gas").leftJustified(50));
}

TEST(LoadElementTable, BadFilesAreRefusedWithAMessageAndNoHalfTable)
{
    auto withFault = [](auto change) {
        std::vector<ElementRecord> list = records(4);
        change(list[3]);
        return makeEdbBytes(list);
    };
    const std::pair<QByteArray, QString> cases[] = {
        {makeEdbBytes(records(3), 119), QStringLiteral("more than 118")},
        {makeEdbBytes(records(3), 5),
         QStringLiteral("elementDat.edb holds 3 whole records, but its header promises 5")},
        {makeEdbBytes(records(3)).chopped(1), QStringLiteral("holds 2 whole records")},
        {QByteArray(1, '\x01'), QStringLiteral("too short")},
        {withFault([](ElementRecord &r) { r.Classification = 11; }),
         QStringLiteral("record 4: Classification 11")},
        {withFault([](ElementRecord &r) { r.State = -1; }), QStringLiteral("record 4: State -1")},
        {withFault([](ElementRecord &r) { r.LevelCount = 8; }), QStringLiteral("record 4: LevelCount 8")},
        {withFault([](ElementRecord &r) { r.LevelCount = 2; }), // level 2 holds none
         QStringLiteral("record 4: LevelElectrons of level 2")},
        {withFault([](ElementRecord &r) {
             r.LevelCount = 2;
             r.LevelElectrons[1] = 100;
             r.LevelElectrons[2] = 19;
         }),
         QStringLiteral("add up to 119")},
    };
    for (const auto &[bytes, expected] : cases) {
        ElementData data = makeTestData(5);
        const QString error = loadBytes(bytes, data);
        EXPECT_TRUE(error.contains(expected)) << error.toStdString();
        EXPECT_EQ(data.ElementCount, 0);
        EXPECT_EQ(data.ElementTable[1].AtomicNumber, 0) << error.toStdString();
    }
}

TEST(LoadElementTable, MissingOrUnreadableFileIsNamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("elementDat.edb"));
    ElementData data;
    EXPECT_TRUE(LoadElementTable(path, data).contains(QStringLiteral("elementDat.edb was not found")));
    // A folder in the file's place exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("elementDat.edb")));
    EXPECT_TRUE(LoadElementTable(path, data).contains(QStringLiteral("elementDat.edb cannot be read")));
}

TEST(ElementTsv, RoundTripsAndReportsTheLineAndFieldOfABadValue)
{
    std::vector<ElementRecord> list = records(3);
    list[2].LevelCount = 2;
    list[2].LevelElectrons = {0, 2, 1, 0, 0, 0, 0, 0, 0};
    list[2].DensityUnit = QStringLiteral("g/cm³").leftJustified(20);
    const TsvResult parsed = parseElementTsv(writeElementTsv(list));
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(*encodeRecord(parsed.records[2]), *encodeRecord(list[2]));

    QString text = writeElementTsv(list);
    text.replace(QStringLiteral("\n2\t\t"), QStringLiteral("\nzwei\t\t"));
    EXPECT_TRUE(parseElementTsv(text).error.contains(QStringLiteral("line 3: AtomicNumber")));
    EXPECT_TRUE(parseElementTsv(QStringLiteral("AtomicNumber\tPeriod\n")).error.contains(QStringLiteral("header")));
}
