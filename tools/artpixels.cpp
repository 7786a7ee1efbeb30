// artpixels OUT: the periodic table's artwork drawn once at build time and
// stored for the program, which then shows it without drawing it at start-up.
// Run on the offscreen platform; the fonts are the program's carried ones.
#include "fonts.h"
#include "tableartwork.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artpixels OUT\n");
        return 2;
    }
    Fonts::useCarriedOnly();
    QGuiApplication app(argc, argv);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(storeTableArtwork(buildTableArtwork())) < 0 ||
        !out.flush()) {
        std::fprintf(stderr, "artpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
