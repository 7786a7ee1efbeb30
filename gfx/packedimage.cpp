#include "packedimage.h"

#include <algorithm>

namespace {

constexpr quint32 Opaque = 0xFF000000u;
// Shorter runs take no less room as single pixels.
constexpr int ShortestRun = 3;

} // namespace

PackedImage::PackedImage(const QImage &image) : m_width(image.width())
{
    m_rowStarts.reserve(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        m_rowStarts.push_back(qsizetype(m_words.size()));
        const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < m_width;) {
            const quint32 pixel = row[x] | Opaque;
            int run = 1;
            while (x + run < m_width && (row[x + run] | Opaque) == pixel)
                ++run;
            if (run >= ShortestRun) {
                m_words.push_back(quint32(run));
                m_words.push_back(pixel);
            } else {
                m_words.insert(m_words.end(), size_t(run), pixel);
            }
            x += run;
        }
    }
    m_words.shrink_to_fit();
}

qsizetype PackedImage::byteSize() const
{
    return qsizetype(m_words.size() * sizeof(quint32) + m_rowStarts.size() * sizeof(qsizetype));
}

void PackedImage::unpackRows(int top, int count, QImage &into) const
{
    Q_ASSERT(top >= 0 && top + count <= height());
    Q_ASSERT(into.width() >= m_width && into.height() >= count);
    for (int y = top; y < top + count; ++y) {
        auto *out = reinterpret_cast<quint32 *>(into.scanLine(y - top));
        const quint32 *word = m_words.data() + m_rowStarts[size_t(y)];
        for (int x = 0; x < m_width;) {
            if ((*word & Opaque) == Opaque) {
                out[x++] = *word++;
            } else {
                std::fill_n(out + x, word[0], word[1]);
                x += int(word[0]);
                word += 2;
            }
        }
    }
}
