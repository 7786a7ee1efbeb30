#pragma once

#include "elementdata.h"

#include <QString>
#include <QStringList>
#include <vector>

// The reviewed element table in data/elements.tsv: tab-separated, '#' comment
// lines, a header naming each record field followed by its "<Field>_src" source
// column, then one row per element in order of atomic number. Texts are
// unpadded; LevelElectrons lists the occupied levels as "2/8/1".
struct TsvResult
{
    std::vector<ElementRecord> records;
    // Each row's source codes, one per record field in record order.
    std::vector<QStringList> sources;
    QString error; // empty on success; names the line and the field otherwise
};

// The record's field names in file order, as the header names them.
QStringList recordFieldNames();

TsvResult parseElementTsv(const QString &text);

// Writes records back as a table with the same columns (source columns empty).
QString writeElementTsv(const std::vector<ElementRecord> &records);

// The whole file: a little-endian record count followed by the records.
// Returns an empty array and sets error when a record cannot be encoded.
QByteArray buildEdb(const std::vector<ElementRecord> &records, QString *error);
