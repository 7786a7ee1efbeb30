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

double doubleAt(const QByteArray &bytes, int offset)
{
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | quint8(bytes[offset + i]);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

qint16 int16At(const QByteArray &bytes, int offset)
{
    return qint16(quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8)));
}

} // namespace

TEST(RecordLayout, FieldsSitAtTheirDocumentedOffsets)
{
    ElementRecord r = makeTestRecord(26);
    r.AtomicWeight = 55.845;
    r.Density = 7.874;
    r.CrystalCARatio = 1.633;
    r.LevelElectrons = {0, 2, 8, 14, 2, 0, 0, 0, 0};
    r.LevelCount = 4;
    r.State = 3;
    r.TableColumn = 8;
    r.TableRow = 4;
    r.GroupLabel = QStringLiteral("VIIIB");
    const QByteArray bytes = *encodeRecord(r);
    ASSERT_EQ(bytes.size(), RecordSize);
    EXPECT_EQ(int16At(bytes, 0), 26);
    EXPECT_EQ(bytes.mid(6, 3), QByteArray("X6 "));
    EXPECT_EQ(int16At(bytes, 27), 4);
    EXPECT_EQ(int16At(bytes, 29 + 2 * 3), 14);
    EXPECT_DOUBLE_EQ(doubleAt(bytes, 47), 55.845);
    EXPECT_DOUBLE_EQ(doubleAt(bytes, 251), 7.874);
    EXPECT_DOUBLE_EQ(doubleAt(bytes, 473), 1.633);
    EXPECT_EQ(int16At(bytes, 481), 3);
    EXPECT_EQ(bytes.mid(483, 5), QByteArray("VIIIB"));
    EXPECT_EQ(int16At(bytes, 488), 4);
    EXPECT_EQ(int16At(bytes, 490), 8);

    const ElementRecord back = decodeRecord(bytes.constData());
    EXPECT_EQ(back.LevelElectrons, r.LevelElectrons);
    EXPECT_EQ(back.GroupLabel, r.GroupLabel);
    EXPECT_DOUBLE_EQ(back.CrystalCARatio, 1.633);
}

TEST(RecordLayout, TextIsWindows1252AndKeepsItsPadding)
{
    ElementRecord r = makeTestRecord(1);
    r.Symbol = QStringLiteral("H");
    r.DensityUnit = QStringLiteral("g/cm³");
    r.Discoverer = QStringLiteral("Ørsted – €");
    const QByteArray bytes = *encodeRecord(r);
    EXPECT_EQ(bytes.mid(6, 3), QByteArray("H  "));
    EXPECT_EQ(quint8(bytes[259 + 4]), 0xB3); // ³
    EXPECT_EQ(quint8(bytes[61]), 0xD8);      // Ø
    EXPECT_EQ(quint8(bytes[61 + 7]), 0x96);  // en dash
    EXPECT_EQ(quint8(bytes[61 + 9]), 0x80);  // euro sign

    const ElementRecord back = decodeRecord(bytes.constData());
    EXPECT_EQ(back.Symbol, QStringLiteral("H  "));
    EXPECT_EQ(back.DensityUnit, QStringLiteral("g/cm³").leftJustified(20));
    EXPECT_EQ(back.Discoverer, QStringLiteral("Ørsted – €").leftJustified(30));
}

TEST(RecordLayout, WriterRefusesTextThatDoesNotFit)
{
    ElementRecord r = makeTestRecord(1);
    QString error;
    r.Symbol = QStringLiteral("Abcd");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("Symbol"))) << error.toStdString();

    r = makeTestRecord(1);
    r.Appearance = QStringLiteral("grey \u4e00");
    EXPECT_FALSE(encodeRecord(r, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("Appearance"))) << error.toStdString();
}

TEST(LoadElementTable, ReadsEveryRecordOfAFullFile)
{
    const QByteArray bytes = makeEdbBytes(records(118));
    ASSERT_EQ(bytes.size(), 2 + 118 * RecordSize);
    ElementData data;
    EXPECT_TRUE(loadBytes(bytes, data).isEmpty());
    EXPECT_EQ(data.ElementCount, 118);
    for (int z = 1; z <= 118; ++z)
        EXPECT_EQ(data.ElementTable[z].AtomicNumber, z);
    EXPECT_EQ(data.ElementTable[118].LevelElectrons[1], 118);
}

TEST(LoadElementTable, ShortTableLeavesTheOtherSlotsBlank)
{
    ElementData data;
    // Trailing bytes after the announced records are ignored.
    const QByteArray bytes = makeEdbBytes(records(3)) + QByteArray(700, 'x');
    EXPECT_TRUE(loadBytes(bytes, data).isEmpty());
    EXPECT_EQ(data.ElementCount, 3);
    EXPECT_EQ(data.ElementTable[3].AtomicNumber, 3);
    EXPECT_EQ(data.ElementTable[4].AtomicNumber, 0);
    EXPECT_EQ(data.ElementTable[4].Symbol, QString(3, QChar(0)));
    EXPECT_EQ(data.ElementTable[0].AtomicNumber, 0);
}

TEST(LoadElementTable, ZeroOrNegativeCountGivesAnEmptyTable)
{
    for (int count : {0, -1}) {
        ElementData data;
        EXPECT_TRUE(loadBytes(makeEdbBytes(records(2), count), data).isEmpty());
        EXPECT_EQ(data.ElementCount, count);
        EXPECT_EQ(data.ElementTable[1].AtomicNumber, 0);
    }
}

TEST(LoadElementTable, RecordGoesToItsPositionWhateverItsNumber)
{
    std::vector<ElementRecord> list = records(3);
    list[1].AtomicNumber = 77;
    ElementData data;
    EXPECT_TRUE(loadBytes(makeEdbBytes(list), data).isEmpty());
    EXPECT_EQ(data.ElementTable[2].AtomicNumber, 77);
    EXPECT_EQ(data.ElementTable[77].AtomicNumber, 0);
}

TEST(LoadElementTable, ClassificationNamesLeaveSlotZeroEmpty)
{
    ClassificationNames names;
    InitClassificationNames(names);
    EXPECT_EQ(names[0], QString(50, QChar(0)));
    EXPECT_EQ(names[1], QStringLiteral("Inert Gas").leftJustified(50));
    EXPECT_EQ(names[10].trimmed(), QStringLiteral("Radioactive Rare Earth Element (Actinide Series)"));
    for (const QString &name : names)
        EXPECT_EQ(name.size(), 50);
}

TEST(LoadElementTable, BadFilesAreRefusedWithAMessageAndNoHalfTable)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        QString expected;
    };
    std::vector<ElementRecord> badClass = records(4);
    badClass[3].Classification = 11;
    std::vector<ElementRecord> badState = records(2);
    badState[1].State = -1;
    std::vector<ElementRecord> badLevels = records(2);
    badLevels[0].LevelCount = 8;
    std::vector<ElementRecord> emptyLevel = records(3);
    emptyLevel[2].LevelCount = 2; // level 2 holds no electrons
    std::vector<ElementRecord> tooMany = records(3);
    tooMany[2].LevelCount = 2;
    tooMany[2].LevelElectrons[1] = 100;
    tooMany[2].LevelElectrons[2] = 19;

    const std::vector<Case> cases = {
        {"header over 118", makeEdbBytes(records(3), 119), QStringLiteral("more than 118")},
        {"short file", makeEdbBytes(records(3), 5),
         QStringLiteral("elementDat.edb holds 3 whole records, but its header promises 5")},
        {"partial record", makeEdbBytes(records(3)).chopped(1),
         QStringLiteral("holds 2 whole records, but its header promises 3")},
        {"no header", QByteArray(1, '\x01'), QStringLiteral("too short")},
        {"classification", makeEdbBytes(badClass), QStringLiteral("record 4: Classification 11")},
        {"state", makeEdbBytes(badState), QStringLiteral("record 2: State -1")},
        {"level count", makeEdbBytes(badLevels), QStringLiteral("record 1: LevelCount 8")},
        {"empty level", makeEdbBytes(emptyLevel), QStringLiteral("record 3: LevelElectrons of level 2")},
        {"too many electrons", makeEdbBytes(tooMany), QStringLiteral("more than 118")},
    };
    for (const Case &c : cases) {
        ElementData data = makeTestData(5);
        const QString error = loadBytes(c.bytes, data);
        EXPECT_TRUE(error.contains(c.expected)) << c.what << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("elementDat.edb"))) << c.what;
        EXPECT_EQ(data.ElementCount, 0) << c.what;
        EXPECT_EQ(data.ElementTable[1].AtomicNumber, 0) << c.what;
    }
}

TEST(LoadElementTable, MissingOrUnreadableFileIsNamed)
{
    QTemporaryDir dir;
    ElementData data;
    QString error = LoadElementTable(dir.filePath(QStringLiteral("elementDat.edb")), data);
    EXPECT_TRUE(error.contains(QStringLiteral("elementDat.edb was not found"))) << error.toStdString();

    // A folder in the file's place exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("elementDat.edb")));
    error = LoadElementTable(dir.filePath(QStringLiteral("elementDat.edb")), data);
    EXPECT_TRUE(error.contains(QStringLiteral("elementDat.edb cannot be read"))) << error.toStdString();
}

TEST(LoadElementTable, ReadsAFileFromDisk)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("elementDat.edb")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(makeEdbBytes(records(20)));
    file.close();
    ElementData data;
    EXPECT_TRUE(LoadElementTable(file.fileName(), data).isEmpty());
    EXPECT_EQ(data.ElementCount, 20);
    EXPECT_EQ(data.ElementTable[20].ElementName.trimmed(), QStringLiteral("Element20"));
}

TEST(ElementTsv, RoundTripsThroughTheTextTable)
{
    std::vector<ElementRecord> list = records(3);
    list[2].LevelCount = 2;
    list[2].LevelElectrons = {0, 2, 1, 0, 0, 0, 0, 0, 0};
    list[2].Density = 0.534;
    list[2].DensityUnit = QStringLiteral("g/cm³").leftJustified(20);
    const TsvResult parsed = parseElementTsv(writeElementTsv(list));
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(*encodeRecord(parsed.records[2]), *encodeRecord(list[2]));
}

TEST(ElementTsv, ReportsTheLineAndFieldOfABadValue)
{
    QString text = writeElementTsv(records(2));
    text.replace(QStringLiteral("\n2\t\t"), QStringLiteral("\nzwei\t\t"));
    TsvResult parsed = parseElementTsv(text);
    EXPECT_TRUE(parsed.error.contains(QStringLiteral("line 3: AtomicNumber"))) << parsed.error.toStdString();

    parsed = parseElementTsv(QStringLiteral("# nothing\nAtomicNumber\tPeriod\n"));
    EXPECT_TRUE(parsed.error.contains(QStringLiteral("header"))) << parsed.error.toStdString();
}
