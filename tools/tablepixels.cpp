// tablepixels EDB OUT: the screen's periodic table drawn once at build time for
// the data file the program ships, and stored with a digest of its records;
// the program shows it at start-up when it reads that same data.
// Run on the offscreen platform; the fonts are the program's carried ones.
#include "creatept.h"
#include "fonts.h"
#include "storedtable.h"
#include "tableartwork.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tablepixels EDB OUT\n");
        return 2;
    }
    Fonts::useCarriedOnly();
    QGuiApplication app(argc, argv);
    ElementData data;
    const QString fault = LoadElementTable(QString::fromLocal8Bit(argv[1]), data);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "tablepixels: %s\n", qPrintable(fault));
        return 1;
    }
    const TableArtwork art = buildTableArtwork();
    StoredTable drawn{tablePictureDesign(), {}, QSize(art.ptBox.width(), art.ptBox.height())};
    Surface work = workPictureDesign();
    CreatePT(drawn.table, 0, data, art, drawn.cells, work);
    const QByteArray stored = storeTable(data, drawn);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (stored.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(stored) < 0 ||
        !out.flush()) {
        std::fprintf(stderr, "tablepixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
