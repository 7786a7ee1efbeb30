#include "testdata.h"

#include "elementtsv.h"

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

const QString IronSheetText =
    QStringLiteral("26 Iron Fe\n"
                   "Period: 4\n"
                   "Group: 8 [VIIIB]\n"
                   "Classification: Transition Metal\n"
                   "State: Solid\n"
                   "Atomic Weight: 55.845 g/mol\n"
                   "Atomic Volume: 7.09 cm³/mol\n"
                   "Atomic Radius: 1.4\n"
                   "Density: 7.874 g/cm³\n"
                   "Electro Negativity: 1.83\n"
                   "Electro Conduct: 1.00 10^7 S/m\n"
                   "Thermal Conduct: 80 Wm-¹K-¹ (at 300 K)\n"
                   "Melting Point: 1811 K\n"
                   "Boiling Point: 3134 K\n"
                   "Specific Heat: 0.449 Jg-¹K-¹ (at 300 K)\n"
                   "Fusion Heat: 13.81 kj/mol\n"
                   "Evaporation Heat: 340 kj/mol\n"
                   "Debye Temp: 470\n"
                   "Covalent Radius: 1.32 Å\n"
                   "Ionic Radius: 0.78 (+2) Å\n"
                   "Ionizing Energy: 762.5 kj/mol\n"
                   "Oxidation States: +2,+3\n"
                   "Crystal Structure: Body-centered cubic\n"
                   "Crystal Constant: 2.8665 (A)\n"
                   "Crystal CA Ratio: 0\n"
                   "Electronic Config: [Ar] 3d6 4s2\n"
                   "Discovered: Anc.\n"
                   "Discoverer: Known since antiquity\n"
                   "Appearance: Lustrous grey metal\n"
                   "Name Origin: Anglo-Saxon iren; the symbol Fe is from Latin ferrum");
