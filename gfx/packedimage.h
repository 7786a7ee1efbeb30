#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// A 32-bit image kept compressed in bands of rows: a large picture that from
// now on is mostly only shown takes a tenth of its size, and a part of it is
// unpacked without the rest.
class PackedImage
{
public:
    static constexpr int BandRows = 16;

    PackedImage() = default;
    // Packs an image of Format_RGB32.
    explicit PackedImage(const QImage &image);

    bool isNull() const { return m_bands.empty(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The packed bands as bytes, to be stored: each band's size in four bytes,
    // then its compressed rows.
    QByteArray toBytes() const;
    // The image stored in bytes from offset `from` on, sharing them rather than
    // copying: bytes that do not hold a whole packed image of the given size
    // give a null image.
    static PackedImage fromBytes(const QByteArray &bytes, qsizetype from, int width, int height);

    // Unpacks rows top to top + count - 1, which must lie in the image, into
    // the first count rows of `into`: Format_RGB32, at least as wide and high.
    void unpackRows(int top, int count, QImage &into) const;

private:
    int m_width = 0;
    int m_height = 0;
    // The stored bytes, and where each band's compressed rows lie in them.
    QByteArray m_bytes;
    struct Band
    {
        qsizetype at, size;
    };
    std::vector<Band> m_bands;
};
