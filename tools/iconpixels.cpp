// iconpixels IN.png OUT.argb: the icon's pixels as raw 32-bit ARGB words, row
// by row, so the program shows its window icon without decoding a PNG (which
// also loads every image format plugin Qt has).
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconpixels IN.png OUT.argb\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "iconpixels: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return out.error() == QFile::NoError ? 0 : 1;
}
