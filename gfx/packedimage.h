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

    // The packed bands as bytes, to be stored, and back again. Bytes that do not
    // hold a whole packed image of the given size give a null image.
    QByteArray toBytes() const;
    static PackedImage fromBytes(const QByteArray &bytes, int width, int height);

    // Unpacks rows top to top + count - 1, which must lie in the image, into
    // the first count rows of `into`: Format_RGB32, at least as wide and high.
    void unpackRows(int top, int count, QImage &into) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<QByteArray> m_bands;
};
