#include "elementsources.h"

#include "elementtsv.h"
#include "recordfields.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Each field as text that keeps its whole value: numbers to the last bit.
struct ExactWriter
{
    QStringList values;
    void i16(const qint16 &v, const char *) { values << QString::number(v); }
    void f64(const double &v, const char *) { values << QString::number(v, 'g', 17); }
    void levels(const std::array<qint16, 9> &v, const char *)
    {
        QStringList parts;
        for (qint16 e : v)
            parts << QString::number(e);
        values << parts.join(QLatin1Char('/'));
    }
    void text(const QString &v, int, const char *) { values << v; }
};

int indentOf(const QString &line)
{
    int n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' '))
        ++n;
    return n;
}

// A numbered section heading: "2. Sources ..." over a line of dashes.
bool isHeading(const QStringList &lines, int i)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\. \\S"));
    return i + 1 < lines.size() && numbered.match(lines[i]).hasMatch() &&
           lines[i + 1].startsWith(QLatin1String("---"));
}

// The lines of a text as paragraphs: the lines of a paragraph joined with
// spaces, except indented lines (copyright lines), which keep their breaks.
QString paragraphs(const QStringList &lines)
{
    QStringList out;
    QString current;
    bool indented = false;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty()) out << current;
            current.clear();
            continue;
        }
        const bool thisIndented = indentOf(line) > 0;
        if (current.isEmpty())
            current = line.trimmed();
        else
            current += ((indented || thisIndented) ? QLatin1Char('\n') : QLatin1Char(' ')) +
                       line.trimmed();
        indented = thisIndented;
    }
    if (!current.isEmpty()) out << current;
    return out.join(QStringLiteral("\n\n"));
}

std::vector<DataSource> parseEntries(const QStringList &lines)
{
    static const QRegularExpression first(QStringLiteral("^(\\S+): (\\S.*)$"));
    static const QRegularExpression taken(QStringLiteral("^Taken(?: \\([^)]*\\))?: (.*)$"));
    std::vector<DataSource> entries;
    DataSource *entry = nullptr;
    for (const QString &line : lines) {
        const int indent = indentOf(line);
        if (line.trimmed().isEmpty() || indent == 0) {
            entry = nullptr;
            const QRegularExpressionMatch m = first.match(line);
            if (indent == 0 && m.hasMatch()) {
                entries.push_back({m.captured(1), m.captured(2).trimmed(), {}, {}, {}});
                entry = &entries.back();
            }
            continue;
        }
        if (!entry) continue;
        if (indent <= 2 || entry->lines.isEmpty())
            entry->lines << line.trimmed();
        else
            entry->lines.last() += QLatin1Char(' ') + line.trimmed();
    }
    for (DataSource &e : entries) {
        for (const QString &item : e.lines) {
            if (item.startsWith(QLatin1String("Licence: ")))
                e.licence = item.mid(9).trimmed();
            else if (const QRegularExpressionMatch m = taken.match(item); m.hasMatch())
                e.taken = m.captured(1).trimmed();
        }
    }
    return entries;
}

// The cell texts elements.tsv would have for a record, one per field.
QStringList tsvCells(const ElementRecord &record)
{
    const QStringList rows = writeElementTsv({record}).split(QLatin1Char('\n'));
    const QStringList cells = rows.value(1).split(QLatin1Char('\t'));
    QStringList values;
    for (qsizetype i = 0; i < cells.size(); i += 2)
        values << cells[i];
    return values;
}

bool sameCell(const QString &a, const QString &b)
{
    bool aNumber = false, bNumber = false;
    const double x = a.toDouble(&aNumber), y = b.toDouble(&bNumber);
    if (aNumber && bNumber) return x == y;
    return a.trimmed() == b.trimmed();
}

QString readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

QString DataSource::shortLicence() const
{
    const qsizetype cut = licence.indexOf(QLatin1String(" ("));
    return (cut < 0 ? licence : licence.left(cut)).trimmed();
}

QString DataSource::describe() const
{
    return licence.isEmpty() ? title : title + QStringLiteral("; ") + shortLicence();
}

const DataSource *Notice::source(const QString &code) const
{
    for (const DataSource &s : sources)
        if (s.code == code) return &s;
    return nullptr;
}

Notice parseNotice(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    // Sections by their headings; the opening lies between the underlined title
    // and the first heading.
    std::vector<int> headings;
    for (int i = 0; i < lines.size(); ++i)
        if (isHeading(lines, i)) headings.push_back(i);
    const auto section = [&](size_t k) {
        if (k >= headings.size()) return QStringList();
        const int from = headings[k] + 2;
        const int to = k + 1 < headings.size() ? headings[k + 1] : int(lines.size());
        return lines.mid(from, to - from);
    };
    Notice notice;
    int openingStart = 0;
    while (openingStart < lines.size() && !lines[openingStart].startsWith(QLatin1String("===")))
        ++openingStart;
    const int openingEnd = headings.empty() ? int(lines.size()) : headings.front();
    // The first paragraph of the opening is the program's own licence.
    const QStringList opening = lines.mid(openingStart + 1, openingEnd - openingStart - 1);
    notice.licence = paragraphs(opening).section(QStringLiteral("\n\n"), 0, 0);
    notice.fonts = paragraphs(section(0));
    notice.sources = parseEntries(section(1));
    return notice;
}

int recordFieldIndex(const QString &name)
{
    static const QStringList names = recordFieldNames();
    return int(names.indexOf(name));
}

QStringList exactFieldValues(const ElementRecord &record)
{
    ExactWriter writer;
    visitFields(record, writer);
    return writer.values;
}

ElementSources ElementSources::read(const QString &elementsTsv, const QString &overridesTsv,
                                    const QString &noticeText, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error) *error = why;
        return ElementSources();
    };
    const TsvResult table = parseElementTsv(elementsTsv);
    if (!table.error.isEmpty()) return fail(QStringLiteral("elements.tsv: ") + table.error);

    ElementSources s;
    s.m_notice = parseNotice(noticeText);
    QHash<QString, qint16> bySymbol;
    std::vector<QStringList> cells;
    for (size_t i = 0; i < table.records.size(); ++i) {
        s.m_values.push_back(exactFieldValues(table.records[i]));
        s.m_codes.push_back(table.sources[i]);
        cells.push_back(tsvCells(table.records[i]));
        bySymbol.insert(table.records[i].Symbol.trimmed(), qint16(i + 1));
    }

    const QString overrideCode = QStringLiteral("override");
    const QStringList lines = overridesTsv.split(QLatin1Char('\n'));
    bool haveHeader = false;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList row = line.split(QLatin1Char('\t'));
        const auto at = [n](const QString &why) {
            return QStringLiteral("overrides.tsv line %1: %2").arg(n + 1).arg(why);
        };
        if (!haveHeader) {
            if (row != QStringList{QStringLiteral("element"), QStringLiteral("field"),
                                   QStringLiteral("value"), QStringLiteral("source"),
                                   QStringLiteral("reason")})
                return fail(at(QStringLiteral("the header is not element, field, value, "
                                              "source, reason")));
            haveHeader = true;
            continue;
        }
        if (row.size() != 5)
            return fail(at(QStringLiteral("%1 columns, expected 5").arg(row.size())));
        const qint16 z = bySymbol.value(row[0], 0);
        const int field = recordFieldIndex(row[1]);
        if (z == 0) return fail(at(QStringLiteral("no element %1").arg(row[0])));
        if (field < 0) return fail(at(QStringLiteral("no field %1").arg(row[1])));
        const QString name = row[0] + u' ' + row[1];
        if (s.m_overrides.contains(key(z, field)))
            s.m_overrideFaults << name + QStringLiteral(": corrected twice");
        s.m_overrides.insert(key(z, field), {row[3], row[4]});
        if (s.m_codes[z - 1].value(field) != overrideCode)
            s.m_overrideFaults << name + QStringLiteral(": elements.tsv names its source %1")
                                             .arg(s.m_codes[z - 1].value(field));
        else if (!sameCell(cells[z - 1].value(field), row[2]))
            s.m_overrideFaults << name + QStringLiteral(": elements.tsv holds '%1', the "
                                                        "correction '%2'")
                                             .arg(cells[z - 1].value(field), row[2]);
    }
    for (int z = 1; z <= s.elementCount(); ++z)
        for (int field = 0; field < s.m_codes[z - 1].size(); ++field)
            if (s.m_codes[z - 1][field] == overrideCode && !s.m_overrides.contains(key(z, field)))
                s.m_overrideFaults << QStringLiteral("%1 %2: marked override, with no reason")
                                          .arg(table.records[z - 1].Symbol.trimmed(),
                                               recordFieldNames().value(field));
    return s;
}

ValueSource ElementSources::sourceOf(const ElementRecord &record, qint16 z, int field) const
{
    if (z < 1 || z > elementCount() || field < 0 || field >= m_codes[z - 1].size()) return {};
    const QStringList &shipped = m_values[z - 1];
    const QStringList values = exactFieldValues(record);
    // The record must be the shipped element of that slot, by its number and
    // symbol, and the value the shipped one.
    static const int number = recordFieldIndex(QStringLiteral("AtomicNumber"));
    static const int symbol = recordFieldIndex(QStringLiteral("Symbol"));
    for (int f : {number, symbol, field})
        if (values.value(f) != shipped.value(f)) return {};
    ValueSource source{m_codes[z - 1][field], {}, {}};
    if (const auto found = m_overrides.constFind(key(z, field)); found != m_overrides.cend()) {
        source.basis = found->basis;
        source.reason = found->reason;
    }
    return source;
}

QString ElementSources::recordedCode(qint16 z, int field) const
{
    if (z < 1 || z > elementCount()) return {};
    return m_codes[z - 1].value(field);
}

QStringList ElementSources::usedCodes() const
{
    QStringList used;
    for (const QStringList &codes : m_codes)
        for (const QString &code : codes)
            if (!used.contains(code)) used << code;
    return used;
}

QStringList ElementSources::codeFaults() const
{
    QStringList faults;
    const QStringList used = usedCodes();
    for (const QString &code : used)
        if (!m_notice.source(code))
            faults << QStringLiteral("%1 is used, but NOTICE does not "
                                     "describe it")
                          .arg(code);
    for (const DataSource &source : m_notice.sources)
        if (!used.contains(source.code))
            faults << QStringLiteral("%1 is described in NOTICE, but no value uses it")
                          .arg(source.code);
    return faults;
}

const ElementSources &builtInSources()
{
    static const ElementSources sources = [] {
        QString error;
        ElementSources s =
            ElementSources::read(readResource(QStringLiteral(":/data/elements.tsv")),
                                 readResource(QStringLiteral(":/data/overrides.tsv")),
                                 readResource(QStringLiteral(":/data/NOTICE")), &error);
        if (!error.isEmpty()) qWarning("zelvane: the built-in sources: %s", qPrintable(error));
        return s;
    }();
    return sources;
}
