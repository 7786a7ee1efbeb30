#pragma once

#include <QImage>

#include <vector>

// An opaque 32-bit image kept row by row as runs of equal pixels and single
// pixels: a large picture that from now on is mostly only shown takes a
// fraction of its size. A word whose alpha byte is clear starts a run (its
// length, then the pixel); every other word is one pixel.
class PackedImage
{
public:
    PackedImage() = default;
    // Packs an image of Format_RGB32; its alpha bytes are taken as opaque.
    explicit PackedImage(const QImage &image);

    bool isNull() const { return m_rowStarts.empty(); }
    int width() const { return m_width; }
    int height() const { return int(m_rowStarts.size()); }
    // Bytes held, for the memory it saves.
    qsizetype byteSize() const;

    // Unpacks rows top to top + count - 1, which must lie in the image, into
    // the first count rows of `into`: Format_RGB32, at least as wide and high.
    void unpackRows(int top, int count, QImage &into) const;

private:
    int m_width = 0;
    std::vector<quint32> m_words;
    std::vector<qsizetype> m_rowStarts;
};
