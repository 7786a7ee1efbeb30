#include "elementdata.h"
#include "language.h"
#include "recordfields.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <map>
#include <utility>

namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves
// undefined keep their own code points, so every file reads back as written.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// All 256 bytes of Windows-1252 as UTF-16 code units, for decoding in one look-up.
constexpr std::array<char16_t, 256> makeCodePage()
{
    std::array<char16_t, 256> page{};
    for (int b = 0; b < 256; ++b)
        page[b] = (b >= 0x80 && b <= 0x9F) ? HighControls[b - 0x80] : char16_t(b);
    return page;
}
constexpr std::array<char16_t, 256> CodePage = makeCodePage();

struct Reader
{
    const unsigned char *p;
    void i16(qint16 &value, const char *)
    {
        value = qint16(quint16(p[0] | (p[1] << 8)));
        p += 2;
    }
    void f64(double &value, const char *)
    {
        quint64 bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = (bits << 8) | p[i];
        std::memcpy(&value, &bits, sizeof value);
        p += 8;
    }
    void levels(std::array<qint16, 9> &values, const char *name)
    {
        for (qint16 &e : values)
            i16(e, name);
    }
    void text(QString &value, int width, const char *)
    {
        value = QString(width, Qt::Uninitialized);
        QChar *out = value.data();
        for (int i = 0; i < width; ++i)
            out[i] = QChar(CodePage[p[i]]);
        p += width;
    }
};

struct Writer
{
    QByteArray out;
    QString error;
    void i16(qint16 &value, const char *)
    {
        const char bytes[2] = {char(quint16(value) & 0xFF), char(quint16(value) >> 8)};
        out.append(bytes, 2);
    }
    void f64(double &value, const char *)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        char bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = char((bits >> (8 * i)) & 0xFF);
        out.append(bytes, 8);
    }
    void levels(std::array<qint16, 9> &values, const char *name)
    {
        for (qint16 &e : values)
            i16(e, name);
    }
    void text(QString &value, int width, const char *name)
    {
        if (value.size() > width && error.isEmpty())
            error = QStringLiteral("%1 has %2 characters, more than its %3")
                        .arg(QLatin1String(name))
                        .arg(value.size())
                        .arg(width);
        // Written in place: a record is written for every digest of the table.
        const qsizetype at = out.size();
        out.resize(at + width);
        char *to = out.data() + at;
        for (int i = 0; i < width; ++i) {
            int byte = ' ';
            if (i < value.size()) {
                byte = charToCp1252(std::as_const(value)[i]);
                if (byte < 0) {
                    if (error.isEmpty())
                        error = QStringLiteral("%1 has a character outside Windows-1252")
                                    .arg(QLatin1String(name));
                    byte = '?';
                }
            }
            to[i] = char(byte);
        }
    }
};

struct Blanker
{
    void i16(qint16 &value, const char *) { value = 0; }
    void f64(double &value, const char *) { value = 0; }
    void levels(std::array<qint16, 9> &values, const char *) { values.fill(0); }
    void text(QString &value, int width, const char *) { value = QString(width, QChar(0)); }
};

} // namespace

QChar cp1252ToChar(unsigned char byte)
{
    return QChar(CodePage[byte]);
}

int charToCp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == u) return 0x80 + i;
    return -1;
}

ElementRecord ElementRecord::blank()
{
    ElementRecord r;
    visitFields(r, Blanker{});
    return r;
}

ElementRecord decodeRecord(const char *bytes)
{
    ElementRecord r;
    visitFields(r, Reader{reinterpret_cast<const unsigned char *>(bytes)});
    return r;
}

std::optional<QByteArray> encodeRecord(const ElementRecord &record, QString *error)
{
    ElementRecord copy = record;
    Writer w;
    w.out.reserve(RecordSize);
    visitFields(copy, w);
    if (!w.error.isEmpty()) {
        if (error) *error = w.error;
        return std::nullopt;
    }
    return w.out;
}

void InitClassificationNames(ClassificationNames &names)
{
    // At most 48 characters, as the longest English name: the data sheet's line.
    static const char *const Names[10] = {
        QT_TRANSLATE_NOOP("Classes", "Inert Gas"),
        QT_TRANSLATE_NOOP("Classes", "Halogen"),
        QT_TRANSLATE_NOOP("Classes", "Non-Metal"),
        QT_TRANSLATE_NOOP("Classes", "Semimetallic"),
        QT_TRANSLATE_NOOP("Classes", "Transition Metal"),
        QT_TRANSLATE_NOOP("Classes", "Alkali Metal"),
        QT_TRANSLATE_NOOP("Classes", "Alkaline-earth Metal"),
        QT_TRANSLATE_NOOP("Classes", "Other Metal"),
        QT_TRANSLATE_NOOP("Classes", "Rare Earth Element (Lanthanide Series)"),
        QT_TRANSLATE_NOOP("Classes", "Radioactive Rare Earth Element (Actinide Series)")};
    names[0] = QString(50, QChar(0));
    for (int i = 0; i < 10; ++i)
        names[i + 1] = Language::translate("Classes", Names[i]).leftJustified(50, QLatin1Char(' '));
}

const ClassificationNames &classificationNames()
{
    // One set per language spoken in the run.
    static std::map<QString, ClassificationNames> made;
    const QString language = Language::current();
    auto found = made.find(language);
    if (found == made.end()) {
        ClassificationNames n;
        InitClassificationNames(n);
        found = made.emplace(language, std::move(n)).first;
    }
    return found->second;
}

std::vector<std::pair<QString, int>> textFields(const ElementRecord &record)
{
    struct Collector
    {
        std::vector<std::pair<QString, int>> texts;
        void i16(const qint16 &, const char *) {}
        void f64(const double &, const char *) {}
        void levels(const std::array<qint16, 9> &, const char *) {}
        void text(const QString &value, int width, const char *)
        {
            texts.emplace_back(value, width);
        }
    } collector;
    visitFields(record, collector);
    return collector.texts;
}

QString validateRecord(const ElementRecord &r)
{
    if (r.Classification < 0 || r.Classification > 10)
        //: Classification, State, LevelCount and LevelElectrons name fields of the data
        //: file's records; they stay as they are.
        return Language::translate("DataFile", "Classification %1 is outside 0 to 10")
            .arg(r.Classification);
    if (r.State < 0 || r.State > 3)
        return Language::translate("DataFile", "State %1 is outside 0 to 3").arg(r.State);
    if (r.LevelCount < 0 || r.LevelCount > 7)
        return Language::translate("DataFile", "LevelCount %1 is outside 0 to 7").arg(r.LevelCount);
    int total = 0;
    for (int level = 1; level <= r.LevelCount; ++level) {
        const int n = r.LevelElectrons[level];
        if (n < 1 || n > MaxElements)
            return Language::translate("DataFile",
                                       "LevelElectrons of level %1 is %2; an occupied level holds "
                                       "1 to 118 electrons")
                .arg(level)
                .arg(n);
        total += n;
    }
    if (total > MaxElements)
        return Language::translate("DataFile", "LevelElectrons add up to %1, more than 118")
            .arg(total);
    return {};
}

QString LoadElementTableFrom(const QByteArray &bytes, const QString &fileName, ElementData &data)
{
    // On any fault the table is left blank rather than half filled.
    auto refuse = [&data](const QString &message) {
        data.ElementTable.fill(ElementRecord::blank());
        data.ElementCount = 0;
        return message;
    };
    if (bytes.size() < 2)
        //: %1 is the data file's name.
        return refuse(Language::translate("DataFile", "%1 is too short to hold its record count")
                          .arg(fileName));

    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qint16 count = qint16(quint16(p[0] | (p[1] << 8)));
    if (count > MaxElements)
        return refuse(Language::translate("DataFile", "%1 says it holds %2 records, more than 118")
                          .arg(fileName, QString::number(count)));
    const qsizetype whole = (bytes.size() - 2) / RecordSize;
    if (count > 0 && whole < count)
        return refuse(
            Language::translate("DataFile", "%1 holds %2 whole records, but its header promises %3")
                .arg(fileName, QString::number(whole), QString::number(count)));

    // Records are decoded in place: start-up reads once into an empty table.
    for (int i = 1; i <= count; ++i) {
        ElementRecord &record = data.ElementTable[i];
        visitFields(record, Reader{p + 2 + qsizetype(i - 1) * RecordSize});
        const QString fault = validateRecord(record);
        if (!fault.isEmpty())
            //: %1 is the data file's name, %3 what is wrong with record %2.
            return refuse(Language::translate("DataFile", "%1, record %2: %3")
                              .arg(fileName, QString::number(i), fault));
    }
    const ElementRecord blank = ElementRecord::blank();
    data.ElementTable[0] = blank;
    for (int i = std::max<int>(1, count + 1); i <= MaxElements; ++i)
        data.ElementTable[i] = blank;
    data.ElementCount = count;
    return {};
}

QString LoadElementTable(const QString &path, ElementData &data)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    QString fault;
    if (!file.exists())
        //: %1 is the data file's name, %2 the folder it was looked for in.
        fault = Language::translate("DataFile", "%1 was not found in %2")
                    .arg(name, QFileInfo(path).absolutePath());
    else if (!QFileInfo(path).isFile())
        // A pipe or a device could keep the program waiting for ever.
        fault = Language::translate("DataFile", "%1 is not a regular file").arg(name);
    else if (!file.open(QIODevice::ReadOnly))
        fault =
            Language::translate("DataFile", "%1 cannot be read: %2").arg(name, file.errorString());
    if (fault.isEmpty()) {
        // Only the header and the records it may announce are used; the rest is ignored.
        const QByteArray bytes = file.read(2 + qint64(MaxElements + 1) * RecordSize);
        if (file.error() == QFileDevice::NoError) return LoadElementTableFrom(bytes, name, data);
        fault =
            Language::translate("DataFile", "%1 cannot be read: %2").arg(name, file.errorString());
    }
    data.ElementTable.fill(ElementRecord::blank());
    data.ElementCount = 0;
    return fault;
}

qint16 findElement(const ElementData &data, const QString &what)
{
    const QString key = what.trimmed();
    if (key.isEmpty()) return 0;
    bool isNumber = false;
    const int number = key.toInt(&isNumber);
    if (isNumber) return number >= 1 && number <= data.ElementCount ? qint16(number) : 0;
    // A symbol wins over the start of a name: "C" is carbon, not calcium.
    for (qint16 n = 1; n <= data.ElementCount; ++n)
        if (data.ElementTable[n].Symbol.trimmed().compare(key, Qt::CaseInsensitive) == 0) return n;
    // The name in the language in use, or the English name.
    for (qint16 n = 1; n <= data.ElementCount; ++n) {
        const ElementRecord &record = data.ElementTable[n];
        if (elementName(record).startsWith(key, Qt::CaseInsensitive) ||
            record.ElementName.trimmed().startsWith(key, Qt::CaseInsensitive))
            return n;
    }
    return 0;
}
