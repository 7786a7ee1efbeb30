#include "elementtsv.h"

#include "recordfields.h"

#include <QHash>
#include <QStringList>

namespace {

// Collects the field names in record order.
struct NameLister
{
    QStringList names;
    void i16(const qint16 &, const char *n) { names << QLatin1String(n); }
    void f64(const double &, const char *n) { names << QLatin1String(n); }
    void levels(const std::array<qint16, 9> &, const char *n) { names << QLatin1String(n); }
    void text(const QString &, int, const char *n) { names << QLatin1String(n); }
};

QString formatDouble(double v)
{
    QString s = QString::number(v, 'f', 10);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s;
}

// Sets each field from the row's cell of the same name.
struct RowParser
{
    const QHash<QString, int> &columns;
    const QStringList &cells;
    QString error;

    QString cell(const char *name) const { return cells.value(columns.value(QLatin1String(name))); }
    void fail(const char *name, const QString &why)
    {
        if (error.isEmpty()) error = QStringLiteral("%1: %2").arg(QLatin1String(name), why);
    }
    void i16(qint16 &value, const char *name)
    {
        const QString s = cell(name).trimmed();
        bool ok = s.isEmpty();
        const int v = s.isEmpty() ? 0 : s.toInt(&ok);
        if (!ok || v < -32768 || v > 32767)
            fail(name, QStringLiteral("'%1' is not a 16-bit integer").arg(s));
        value = qint16(v);
    }
    void f64(double &value, const char *name)
    {
        const QString s = cell(name).trimmed();
        bool ok = s.isEmpty();
        value = s.isEmpty() ? 0.0 : s.toDouble(&ok);
        if (!ok) fail(name, QStringLiteral("'%1' is not a number").arg(s));
    }
    void levels(std::array<qint16, 9> &values, const char *name)
    {
        values.fill(0);
        const QString s = cell(name).trimmed();
        if (s.isEmpty()) return;
        const QStringList parts = s.split(QLatin1Char('/'));
        if (parts.size() > 7) {
            fail(name, QStringLiteral("more than seven levels"));
            return;
        }
        for (int i = 0; i < parts.size(); ++i) {
            bool ok = false;
            const int v = parts[i].trimmed().toInt(&ok);
            if (!ok || v < 0 || v > 32767)
                fail(name, QStringLiteral("'%1' is not a level count").arg(parts[i]));
            values[i + 1] = qint16(v);
        }
    }
    void text(QString &value, int width, const char *name)
    {
        value = cell(name);
        if (value.size() > width)
            fail(name, QStringLiteral("'%1' is longer than %2 characters").arg(value).arg(width));
        value = value.leftJustified(width, QLatin1Char(' '));
    }
};

// Turns each field of a record into its cell text.
struct RowWriter
{
    QStringList cells;
    void i16(const qint16 &v, const char *) { cells << QString::number(v) << QString(); }
    void f64(const double &v, const char *) { cells << formatDouble(v) << QString(); }
    void levels(const std::array<qint16, 9> &v, const char *)
    {
        QStringList parts;
        int last = 7;
        while (last > 1 && v[last] == 0)
            --last;
        for (int i = 1; i <= last; ++i)
            parts << QString::number(v[i]);
        cells << parts.join(QLatin1Char('/')) << QString();
    }
    void text(const QString &v, int, const char *)
    {
        QString t = v;
        t.replace(QChar(0), QLatin1Char(' '));
        while (t.endsWith(QLatin1Char(' ')))
            t.chop(1);
        cells << t << QString();
    }
};

QStringList headerNames()
{
    QStringList header;
    for (const QString &n : recordFieldNames())
        header << n << n + QStringLiteral("_src");
    return header;
}

} // namespace

QStringList recordFieldNames()
{
    NameLister lister;
    const ElementRecord r;
    visitFields(r, lister);
    return lister.names;
}

TsvResult parseElementTsv(const QString &text)
{
    TsvResult result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList expected = headerNames();
    QHash<QString, int> columns;
    bool haveHeader = false;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (!haveHeader) {
            if (cells != expected) {
                result.error = QStringLiteral("line %1: the header does not list the record's "
                                              "fields, each followed by its source column")
                                   .arg(n + 1);
                return result;
            }
            for (int i = 0; i < cells.size(); ++i)
                columns.insert(cells[i], i);
            haveHeader = true;
            continue;
        }
        if (cells.size() != expected.size()) {
            result.error = QStringLiteral("line %1: %2 columns, expected %3")
                               .arg(n + 1)
                               .arg(cells.size())
                               .arg(expected.size());
            return result;
        }
        ElementRecord record;
        RowParser parser{columns, cells, {}};
        visitFields(record, parser);
        if (!parser.error.isEmpty()) {
            result.error = QStringLiteral("line %1: %2").arg(n + 1).arg(parser.error);
            return result;
        }
        result.records.push_back(record);
        QStringList sources;
        for (qsizetype i = 1; i < expected.size(); i += 2)
            sources << cells[i].trimmed();
        result.sources.push_back(sources);
    }
    if (!haveHeader) result.error = QStringLiteral("no header line");
    return result;
}

QString writeElementTsv(const std::vector<ElementRecord> &records)
{
    QString out = headerNames().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const ElementRecord &r : records) {
        RowWriter w;
        visitFields(r, w);
        out += w.cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QByteArray buildEdb(const std::vector<ElementRecord> &records, QString *error)
{
    if (records.size() > size_t(MaxElements)) {
        if (error) *error = QStringLiteral("%1 records, more than 118").arg(records.size());
        return {};
    }
    QByteArray out;
    const quint16 count = quint16(records.size());
    out.append(char(count & 0xFF));
    out.append(char(count >> 8));
    for (size_t i = 0; i < records.size(); ++i) {
        QString why;
        const auto bytes = encodeRecord(records[i], &why);
        if (!bytes) {
            if (error) *error = QStringLiteral("record %1: %2").arg(i + 1).arg(why);
            return {};
        }
        out += *bytes;
    }
    return out;
}
