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
        m_bands.push_back(qCompress(band, Level));
        m_bands.back().squeeze(); // compressing reserves the worst case
    }
}

QByteArray PackedImage::toBytes() const
{
    QByteArray bytes;
    for (const QByteArray &band : m_bands) {
        const quint32 size = qToBigEndian(quint32(band.size()));
        bytes.append(reinterpret_cast<const char *>(&size), sizeof size);
        bytes.append(band);
    }
    return bytes;
}

PackedImage PackedImage::fromBytes(const QByteArray &bytes, int width, int height)
{
    PackedImage packed;
    packed.m_width = width;
    packed.m_height = height;
    const qsizetype rowBytes = qsizetype(width) * 4;
    qsizetype at = 0;
    for (int top = 0; top < height; top += BandRows) {
        if (bytes.size() - at < 4) return {};
        const quint32 size = qFromBigEndian<quint32>(bytes.constData() + at);
        at += 4;
        // Each band starts with its unpacked size (qCompress's header), which
        // must be that of its rows.
        const quint32 rows = quint32(std::min(BandRows, height - top));
        if (size < 4 || bytes.size() - at < qsizetype(size) ||
            qFromBigEndian<quint32>(bytes.constData() + at) != rows * quint32(rowBytes))
            return {};
        packed.m_bands.push_back(bytes.mid(at, size));
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
        const QByteArray rows = qUncompress(m_bands[size_t(band)]);
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
