#include "testdata.h"

#include "elementtsv.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

ElementRecord makeTestRecord(int z)
{
    ElementRecord r = ElementRecord::blank();
    r.AtomicNumber = qint16(z);
    r.Period = 1;
    r.Group = qint16(1 + (z - 1) % 18);
    r.Symbol = QStringLiteral("X%1").arg(z % 10).leftJustified(3);
    r.Spare = QStringLiteral(" ");
    r.ElementName = QStringLiteral("Element%1").arg(z).leftJustified(15);
    r.Neutrons = qint16(z);
    r.LevelCount = 1;
    r.LevelElectrons[1] = qint16(std::min(z, 118));
    r.AtomicWeight = 2.0 * z + 0.5;
    r.Classification = qint16(z % 11);
    r.State = qint16(z % 4);
    r.TableRow = qint16(1 + (z - 1) / 18);
    r.TableColumn = qint16(1 + (z - 1) % 18);
    for (QString *text : {&r.Discovered, &r.Discoverer, &r.NameOrigin, &r.Appearance,
                          &r.DensityUnit, &r.IonicRadius, &r.ElectroConduct, &r.OxidationStates,
                          &r.ElectronicConfig, &r.CrystalStructure, &r.GroupLabel})
        text->fill(QLatin1Char(' '));
    return r;
}

QByteArray makeEdbBytes(const std::vector<ElementRecord> &records, std::optional<int> count)
{
    QString error;
    QByteArray bytes = buildEdb(records, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    if (count) {
        bytes[0] = char(quint16(*count) & 0xFF);
        bytes[1] = char(quint16(*count) >> 8);
    }
    return bytes;
}

ElementData makeTestData(int n)
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    for (int z = 1; z <= n; ++z)
        data.ElementTable[z] = makeTestRecord(z);
    data.ElementCount = qint16(n);
    return data;
}

const ElementData &shippedData()
{
    static ElementData data;
    static const QString error = LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), data);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return data;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString ironSheetText()
{
    return QString::fromUtf8(
        readFile(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/iron-sheet.txt")));
}

QSizeF pdfPageSize(const QByteArray &pdf)
{
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
            .match(QString::fromLatin1(pdf));
    return box.hasMatch() ? QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble())
                          : QSizeF();
}
