#pragma once

#include "elementdata.h"

#include <QByteArray>
#include <QString>
#include <optional>
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

// Iron's data sheet as text: the title line and the 29 lines, as copied and as
// written by zelvane --sheet fe.
extern const QString IronSheetText;
