#pragma once

#include "elementdata.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// One source of the data set, as an entry of NOTICE describes it: a first line
// "CODE: name and version", then indented lines (Package, Licence, Copyright,
// Taken), each continued on lines indented further.
struct DataSource
{
    QString code;      // as the <Field>_src columns name it: "PT"
    QString title;     // name and version: "periodictable 1.6.0 (NIST)"
    QString licence;   // the Licence line; empty where none applies
    QString taken;     // what was taken from it
    QStringList lines; // the indented lines, each with its continuations joined

    // The licence up to its first explanation: "public domain", "MIT".
    QString shortLicence() const;
    // "title; short licence", or the title alone without a licence.
    QString describe() const;
};

// NOTICE as the program shows it.
struct Notice
{
    QString licence;                 // the opening paragraph: the program's own licence
    QString fonts;                   // the text of the fonts' section
    std::vector<DataSource> sources; // the entries of the data set's section, in order

    // The entry of a code; null when NOTICE does not describe it.
    const DataSource *source(const QString &code) const;
};

// Reads NOTICE: the paragraph before the first section, section 1's text and the
// entries of section 2 (the sections are numbered headings underlined with '-').
Notice parseNotice(const QString &text);

// Where one value shown for an element came from. An empty code means unknown:
// the value is not the one the data set ships.
struct ValueSource
{
    QString code;
    QString basis;  // a correction's: the source it is based on
    QString reason; // a correction's: why it was made
};

// Every value's source in the data set the program was built from: the source
// codes of data/elements.tsv with the values they describe, and the reasons of
// data/overrides.tsv for the values corrected by hand.
class ElementSources
{
public:
    // From the texts of elements.tsv, overrides.tsv and NOTICE. Returns an empty
    // set and sets error on a fault, which names the file and the line.
    static ElementSources read(const QString &elementsTsv, const QString &overridesTsv,
                               const QString &noticeText, QString *error);

    // The source of one field of a record shown in slot z, the field numbered
    // in record order (recordFieldIndex). Known only while the record is the
    // shipped element of that slot and the field holds the shipped value.
    ValueSource sourceOf(const ElementRecord &record, qint16 z, int field) const;

    const Notice &notice() const { return m_notice; }
    // Slots 1 to elementCount() have sources.
    int elementCount() const { return int(m_codes.size()); }
    // The code elements.tsv gives field `field` of element z; empty outside.
    QString recordedCode(qint16 z, int field) const;
    // Every code elements.tsv uses, each once, in order of first use.
    QStringList usedCodes() const;
    // What NOTICE and elements.tsv disagree on: a code used that NOTICE does not
    // describe, a code described that no value uses.
    QStringList codeFaults() const;
    // The overrides.tsv rows, each "Symbol Field": the reason; and their faults
    // against elements.tsv (a row for a value not marked override, or of another
    // value; a value marked override without a row).
    int overrideCount() const { return int(m_overrides.size()); }
    QStringList overrideFaults() const { return m_overrideFaults; }

private:
    struct Override
    {
        QString basis;
        QString reason;
    };
    static qint64 key(qint16 z, int field) { return qint64(z) * 1000 + field; }

    std::vector<QStringList> m_values; // slot z - 1: each field's exact value
    std::vector<QStringList> m_codes;  // slot z - 1: each field's source code
    QHash<qint64, Override> m_overrides;
    QStringList m_overrideFaults;
    Notice m_notice;
};

// A field's number in record order ("AtomicNumber" is 0); -1 for no such field.
int recordFieldIndex(const QString &name);

// Each field of a record as exact text, in record order: equal texts are equal
// values.
QStringList exactFieldValues(const ElementRecord &record);

// The sources of the data set compiled into the program (elements.tsv,
// overrides.tsv and NOTICE), read when first asked for. A fault in them, which
// the tests rule out, leaves every value's source unknown.
const ElementSources &builtInSources();
