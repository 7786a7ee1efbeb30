#pragma once

#include "datasheet.h"
#include "elementsources.h"

#include <QString>
#include <QStringList>

// The record fields a sheet line shows (line 0 is the title line): first those
// whose sources the line names, then those shown with them (a unit, the atomic
// number), which must hold the shipped values too for the line's source to be
// known.
struct SheetLineFields
{
    QStringList named;
    QStringList shown;
};
SheetLineFields sheetLineFields(int line);

// Where the value of one sheet line came from.
struct LineSource
{
    QString value;  // the line as it reads, its label without the colon: "Density 7.874 g/cm³"
    QString source; // "periodictable 1.6.0 (NIST); public domain"; "unknown"
    QStringList reasons; // why each value of the line corrected by hand was corrected

    // "value — source", then each reason on a line of its own: the tooltip and
    // the line's accessible description.
    QString text() const;
    // The source and the reasons on one line, for the text form.
    QString oneLine() const;
};

// The source of line 0 to 29 of the sheet of a record shown in slot n.
LineSource sheetLineSource(int line, const ElementRecord &record, qint16 n,
                           const ClassificationNames &names, const ElementSources &sources);

// The sheet as text (sheetTextLines), each line followed by " — " and its
// source on the same line.
QStringList sheetTextLinesWithSources(const ElementRecord &record, qint16 n,
                                      const ClassificationNames &names,
                                      const ElementSources &sources);

// The codes of the sources of everything the printed page shows (the sheet, the
// particle counts and the levels), in NOTICE's order; "unknown" last when a value
// is not the shipped one. A field with no trustworthy value ("none") names none.
QStringList pageSourceCodes(const ElementRecord &record, qint16 n, const ElementSources &sources);

// The printed page's source note for those codes.
QString sourceNoteText(const QStringList &codes);
