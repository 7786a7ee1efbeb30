// Feeds arbitrary bytes to the elementDat.edb reader and checks what it promises:
// either an error with the table left blank, or a table whose records passed
// validation, sit at their positions and keep their texts at full width.

#include "elementdata.h"
#include "recordfields.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void fail(const char *what, int slot)
{
    std::fprintf(stderr, "reader_fuzz: %s (slot %d)\n", what, slot);
    std::abort();
}

// True when every number is 0 and every text is NUL characters at its full width;
// checked without copying, as the check runs for all 119 slots on every input.
struct BlankCheck
{
    bool blank = true;
    void i16(const qint16 &value, const char *) { blank = blank && value == 0; }
    void f64(const double &value, const char *)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        blank = blank && bits == 0;
    }
    void levels(const std::array<qint16, 9> &values, const char *)
    {
        for (const qint16 e : values)
            blank = blank && e == 0;
    }
    void text(const QString &value, int width, const char *)
    {
        blank = blank && value.size() == width && value.count(QChar(0)) == width;
    }
};

bool isBlank(const ElementRecord &r)
{
    BlankCheck check;
    visitFields(r, check);
    return check.blank;
}

bool textsAtWidth(const ElementRecord &r)
{
    for (const auto &[text, width] : textFields(r))
        if (text.size() != width) return false;
    return true;
}

// The five bytes Windows-1252 leaves undefined read as U+FFFD, which cannot be
// written back; every other record must encode to exactly the bytes it came from.
bool hasUndefinedByte(const char *bytes)
{
    for (int i = 0; i < RecordSize; ++i)
        switch (static_cast<unsigned char>(bytes[i])) {
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
            return true;
        }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(bytes), qsizetype(size));
    // Kept from run to run: each load starts from what the last one left, with a
    // mark in slot 1 and a count that a failed load must clear.
    static ElementData data;
    data.ElementTable[1].AtomicNumber = 99;
    data.ElementCount = 7;

    const QString error = LoadElementTableFrom(input, QStringLiteral("fuzz.edb"), data);
    if (!error.isEmpty()) {
        if (!error.startsWith(QLatin1String("fuzz.edb")))
            fail("the message does not name the file", 0);
        if (data.ElementCount != 0) fail("a failed load left a record count", 0);
        for (int i = 0; i <= MaxElements; ++i)
            if (!isBlank(data.ElementTable[i])) fail("a failed load left a slot filled", i);
        return 0;
    }

    const int count = data.ElementCount;
    if (size < 2 || count > MaxElements) fail("an impossible file loaded", count);
    if (count != qint16(quint16(bytes[0] | (bytes[1] << 8))))
        fail("ElementCount differs from the header", count);
    if (count > 0 && size < 2 + size_t(count) * RecordSize) fail("a short file loaded", count);
    for (int i = 0; i <= MaxElements; ++i) {
        const ElementRecord &r = data.ElementTable[i];
        if (!textsAtWidth(r)) fail("a text is not at its field width", i);
        if (i == 0 || i > count) {
            if (!isBlank(r)) fail("a slot outside the records is not blank", i);
            continue;
        }
        if (!validateRecord(r).isEmpty()) fail("a record that fails validation was loaded", i);
        const char *source = input.constData() + 2 + qsizetype(i - 1) * RecordSize;
        const auto written = encodeRecord(r);
        if (written) {
            if (written->size() != RecordSize ||
                std::memcmp(written->constData(), source, RecordSize) != 0)
                fail("a record does not write back to its own bytes", i);
        } else if (!hasUndefinedByte(source)) {
            fail("a record without undefined bytes cannot be written back", i);
        }
    }
    return 0;
}
