#include "storedtable.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace tablefixture;

namespace {

// The table picture starts after the magic, the records' digest, the cells
// (119 x 6 words), the cell size and the picture's size.
constexpr int PictureAt = 4 + 32 + 119 * 6 * 4 + 8 + 8;

QByteArray store(const Drawn &drawn)
{
    return storeTable(drawn.data, {drawn.pb, drawn.rects, QSize(40, 50)});
}

TEST(StoredTable, ReadForTheRecordsItWasDrawnFromItIsThatTable)
{
    const Drawn drawn;
    const QByteArray stored = store(drawn);
    ASSERT_GT(stored.size(), PictureAt);
    EXPECT_TRUE(stored.startsWith("ZTB1"));

    const std::optional<StoredTable> read = readStoredTable(stored, shippedData());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->table.isPacked()) << "shown packed, as the window keeps it";
    EXPECT_EQ(std::tuple(read->table.width(), read->table.height(), read->table.backColor()),
              std::tuple(791, 510, Colour(0xD09311)));
    EXPECT_EQ(read->cellSize, QSize(40, 50));
    EXPECT_EQ(read->cells[26], (CellRect{4, 8, 324, 192, 363, 241}));
    EXPECT_EQ(read->cells[118], drawn.rects[118]);
    EXPECT_EQ(read->cells, drawn.rects);
    EXPECT_TRUE(read->table.image() == drawn.pb.image());
}

// The digest covers every record and the count: any change, shown on the table
// or not, means the table is drawn instead.
TEST(StoredTable, RecordsChangedInAnyWayRefuseIt)
{
    const Drawn drawn;
    const QByteArray stored = store(drawn);
    std::vector<ElementData> changed(5, shippedData());
    changed[0].ElementTable[26].AtomicWeight = 55.85;
    changed[1].ElementTable[1].Symbol = QStringLiteral("Hy");
    changed[2].ElementTable[118].TableColumn = 17;
    changed[3].ElementTable[80].ElementName = QStringLiteral("Quicksilver");
    changed[4].ElementCount = 117;
    for (size_t i = 0; i < changed.size(); ++i)
        EXPECT_FALSE(readStoredTable(stored, changed[i])) << "change " << i;
    EXPECT_TRUE(readStoredTable(stored, shippedData()));

    // A record the data file could not hold gives no digest: nothing is stored.
    ElementData unwritable = shippedData();
    unwritable.ElementTable[2].ElementName = QStringLiteral("He\u4E00");
    EXPECT_TRUE(storeTable(unwritable, {drawn.pb, drawn.rects, QSize(40, 50)}).isEmpty());
    EXPECT_FALSE(readStoredTable(stored, unwritable));
}

TEST(StoredTable, AStoreOfAnyOtherShapeIsRefused)
{
    const Drawn drawn;
    const QByteArray stored = store(drawn);
    QByteArray otherMagic = stored, otherDigest = stored, otherBand = stored, otherHeight = stored;
    otherMagic[3] = '2';
    otherDigest[10] = char(otherDigest[10] ^ 1);
    // The first band's unpacked size, in qCompress's header after the band's size.
    otherBand[PictureAt + 7] = char(otherBand[PictureAt + 7] ^ 4);
    otherHeight[PictureAt - 1] = char(otherHeight[PictureAt - 1] + 1);
    QByteArray noCells = stored;
    noCells[PictureAt - 9] = 0; // cells 0 high
    const QByteArray refused[] = {{},
                                  stored.left(PictureAt),
                                  stored.chopped(1),
                                  stored + '\0',
                                  otherMagic,
                                  otherDigest,
                                  otherBand,
                                  otherHeight,
                                  noCells};
    for (const QByteArray &bytes : refused)
        EXPECT_FALSE(readStoredTable(bytes, shippedData())) << bytes.size() << " bytes";
}

} // namespace
