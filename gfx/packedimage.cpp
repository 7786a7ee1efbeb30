#include "packedimage.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// The fastest level: the picture's flat areas compress well at any level.
constexpr int Level = 1;

} // namespace

PackedImage::PackedImage(const QImage &image) : m_width(image.width()), m_height(image.height())
{
    const qsizetype rowBytes = qsizetype(m_width) * 4;
    QByteArray band;
    for (int top = 0; top < m_height; top += BandRows) {
        const int rows = std::min(BandRows, m_height - top);
        band.resize(rowBytes * rows);
        for (int y = 0; y < rows; ++y)
            std::memcpy(band.data() + y * rowBytes, image.constScanLine(top + y), size_t(rowBytes));
        const QByteArray packed = qCompress(band, Level);
        const quint32 size = qToBigEndian(quint32(packed.size()));
        m_bytes.append(reinterpret_cast<const char *>(&size), sizeof size);
        m_bands.push_back({m_bytes.size(), packed.size()});
        m_bytes.append(packed);
    }
    m_bytes.squeeze();
}

QByteArray PackedImage::toBytes() const
{
    if (m_bands.empty()) return {};
    const qsizetype from = m_bands.front().at - 4;
    const Band &last = m_bands.back();
    return m_bytes.mid(from, last.at + last.size - from);
}

PackedImage PackedImage::fromBytes(const QByteArray &bytes, qsizetype from, int width, int height)
{
    PackedImage packed;
    packed.m_width = width;
    packed.m_height = height;
    packed.m_bytes = bytes;
    const qsizetype rowBytes = qsizetype(width) * 4;
    qsizetype at = from;
    for (int top = 0; top < height; top += BandRows) {
        if (at < 0 || bytes.size() - at < 4) return {};
        const quint32 size = qFromBigEndian<quint32>(bytes.constData() + at);
        at += 4;
        // Each band starts with its unpacked size (qCompress's header), which
        // must be that of its rows.
        const quint32 rows = quint32(std::min(BandRows, height - top));
        if (size < 4 || bytes.size() - at < qsizetype(size) ||
            qFromBigEndian<quint32>(bytes.constData() + at) != rows * quint32(rowBytes))
            return {};
        packed.m_bands.push_back({at, qsizetype(size)});
        at += size;
    }
    if (at != bytes.size()) return {};
    return packed;
}

void PackedImage::unpackRows(int top, int count, QImage &into) const
{
    Q_ASSERT(top >= 0 && top + count <= m_height);
    Q_ASSERT(into.width() >= m_width && into.height() >= count);
    const qsizetype rowBytes = qsizetype(m_width) * 4;
    for (int y = top; y < top + count;) {
        const int band = y / BandRows;
        const Band &b = m_bands[size_t(band)];
        const QByteArray rows =
            qUncompress(reinterpret_cast<const uchar *>(m_bytes.constData() + b.at), b.size);
        const int last = std::min(top + count, (band + 1) * BandRows);
        // Short only where memory ran out: those rows come out black.
        const bool whole = rows.size() >= (last - band * BandRows) * rowBytes;
        for (; y < last; ++y) {
            uchar *out = into.scanLine(y - top);
            if (whole)
                std::memcpy(out, rows.constData() + (y - band * BandRows) * rowBytes,
                            size_t(rowBytes));
            else
                std::memset(out, 0, size_t(rowBytes));
        }
    }
}
