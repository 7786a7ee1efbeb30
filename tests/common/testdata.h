#pragma once

#include "elementdata.h"
#include "tableartwork.h"

#include <optional>
#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <vector>

// A plausible record for atomic number z: first-row cell positions, one level
// holding z electrons (up to 118), padded texts.
ElementRecord makeTestRecord(int z);

// File bytes for the records, with the header's count set to count (defaults to
// the number of records).
QByteArray makeEdbBytes(const std::vector<ElementRecord> &records, std::optional<int> count = {});

// The shipped data file, loaded once through the program's reader.
const ElementData &shippedData();

// An ElementData holding records 1..n made by makeTestRecord.
ElementData makeTestData(int n);

// A file's bytes; a file that cannot be read fails the test.
QByteArray readFile(const QString &path);

// The size of a PDF's first page, from its media box, in points; empty when it
// has none.
QSizeF pdfPageSize(const QByteArray &pdf);

// Iron's data sheet as text, tests/golden/iron-sheet.txt: the title line and
// the 29 lines, each ending in a line break, as zelvane --sheet fe writes it.
QString ironSheetText();
