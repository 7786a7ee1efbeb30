#include "storedtable.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace {

constexpr char Magic[4] = {'Z', 'T', 'B', '1'};
constexpr qsizetype DigestSize = 32;

// Every record in every slot and the count, as the data file holds them: a
// record that cannot be written as the file would have it gives no digest.
std::optional<QByteArray> recordsDigest(const ElementData &data)
{
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    const qint16 count = qToBigEndian(data.ElementCount);
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(&count), sizeof count));
    for (const ElementRecord &record : data.ElementTable) {
        const std::optional<QByteArray> bytes = encodeRecord(record);
        if (!bytes) return std::nullopt;
        hash.addData(*bytes);
    }
    return hash.result();
}

void appendWord(QByteArray &out, qint32 value)
{
    const qint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&big), sizeof big);
}

} // namespace

QByteArray storeTable(const ElementData &data, const StoredTable &table)
{
    const std::optional<QByteArray> digest = recordsDigest(data);
    if (!digest) return {};
    QByteArray stored(Magic, sizeof Magic);
    stored += *digest;
    for (const CellRect &c : table.cells)
        for (qint16 v : {c.Row, c.Column, c.Left, c.Top, c.Right, c.Bottom})
            appendWord(stored, v);
    appendWord(stored, table.cellSize.width());
    appendWord(stored, table.cellSize.height());
    appendWord(stored, table.table.width());
    appendWord(stored, table.table.height());
    stored += table.table.packed().toBytes();
    return stored;
}

std::optional<StoredTable> readStoredTable(const QByteArray &stored, const ElementData &data)
{
    constexpr qsizetype CellsAt = qsizetype(sizeof Magic) + DigestSize;
    constexpr qsizetype CellSizeAt = CellsAt + qsizetype(std::tuple_size_v<CellRects>) * 6 * 4;
    constexpr qsizetype SizeAt = CellSizeAt + 8;
    constexpr qsizetype PictureAt = SizeAt + 8;
    if (stored.size() < PictureAt || !stored.startsWith(QByteArrayView(Magic, sizeof Magic)))
        return std::nullopt;
    const std::optional<QByteArray> digest = recordsDigest(data);
    if (!digest || stored.mid(sizeof Magic, DigestSize) != *digest) return std::nullopt;

    const auto word = [&stored](qsizetype at) {
        return qFromBigEndian<qint32>(stored.constData() + at);
    };
    StoredTable result;
    qsizetype at = CellsAt;
    for (CellRect &c : result.cells)
        for (qint16 *v : {&c.Row, &c.Column, &c.Left, &c.Top, &c.Right, &c.Bottom}) {
            *v = qint16(word(at));
            at += 4;
        }
    result.cellSize = QSize(word(CellSizeAt), word(CellSizeAt + 4));
    PackedImage picture = PackedImage::fromBytes(stored, PictureAt, word(SizeAt), word(SizeAt + 4));
    if (picture.isNull() || result.cellSize.isEmpty()) return std::nullopt;
    result.table = tablePictureDesign();
    result.table.setBackColor(ColourPageBlue);
    result.table.setPacked(std::move(picture));
    return result;
}
