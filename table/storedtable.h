#pragma once

#include "creatept.h"
#include "elementdata.h"
#include "surface.h"

#include <QByteArray>

#include <optional>

// The screen's table as the build drew it (tools/tablepixels) for the data file
// it ships, stored in the program with a digest of the records it was drawn
// from. Start-up shows it instead of drawing the table again, as long as the
// data read is exactly that; other data is drawn as usual.
struct StoredTable
{
    Surface table; // packed
    CellRects cells{};
    QSize cellSize; // of the artwork it was drawn with
};

QByteArray storeTable(const ElementData &data, const StoredTable &table);

// The stored table when it was drawn from exactly these records, else nothing.
// Plain reads only: it runs before the application object exists. The picture
// shares the stored bytes.
std::optional<StoredTable> readStoredTable(const QByteArray &stored, const ElementData &data);
