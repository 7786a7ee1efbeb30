#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// One element as stored in elementDat.edb. Text fields hold exactly their
// declared number of characters, padding included.
struct ElementRecord
{
    qint16 AtomicNumber = 0;
    qint16 Period = 0;
    qint16 Group = 0;
    QString Symbol;
    QString Spare;
    QString ElementName;
    qint16 Neutrons = 0;
    qint16 LevelCount = 0;
    std::array<qint16, 9> LevelElectrons{};
    double AtomicWeight = 0;
    qint16 Classification = 0;
    QString Discovered;
    QString Discoverer;
    QString NameOrigin;
    QString Appearance;
    double Density = 0;
    QString DensityUnit;
    double MeltingPoint = 0;
    double BoilingPoint = 0;
    double AtomicRadius = 0;
    double AtomicVolume = 0;
    double CovalentRadius = 0;
    QString IonicRadius;
    double SpecificHeat = 0;
    double FusionHeat = 0;
    double EvaporationHeat = 0;
    QString ElectroConduct;
    double ThermalConduct = 0;
    double DebyeTemp = 0;
    double ElectroNegativity = 0;
    double IonizingEnergy = 0;
    QString OxidationStates;
    QString ElectronicConfig;
    QString CrystalStructure;
    double CrystalConstant = 0;
    double CrystalCARatio = 0;
    qint16 State = 0;
    QString GroupLabel;
    qint16 TableRow = 0;
    qint16 TableColumn = 0;

    // A blank slot: numbers 0 and texts of NUL characters at their full widths.
    static ElementRecord blank();
};

constexpr int RecordSize = 492;
constexpr int MaxElements = 118;

struct ElementData
{
    // Slots 0 to 118, indexed by atomic number; slot 0 is never filled.
    std::array<ElementRecord, MaxElements + 1> ElementTable;
    qint16 ElementCount = 0;
};

// The ten class names in slots 1 to 10, each padded to 50 characters; slot 0 empty.
using ClassificationNames = std::array<QString, 11>;
void InitClassificationNames(ClassificationNames &names);
// The class names, filled once on first use, for those that only read them.
const ClassificationNames &classificationNames();

// Reads elementDat.edb into data. Returns an empty string on success; otherwise a
// message naming the file and the fault, and data is left blank.
QString LoadElementTable(const QString &path, ElementData &data);
// The same from bytes already read; fileName is used in messages.
QString LoadElementTableFrom(const QByteArray &bytes, const QString &fileName, ElementData &data);

// The element's name in the language in use (the record holds the English).
QString elementName(const ElementRecord &record);

// The element a text names: its atomic number (within the table), its symbol,
// or the start of its name in the language in use or in English, whatever the case; a symbol wins
// over a name, and of several names the lowest number. 0 when none matches.
qint16 findElement(const ElementData &data, const QString &what);

// Record bytes <-> record, at the fields' fixed offsets (see recordfields.h),
// little-endian, text in Windows-1252.
ElementRecord decodeRecord(const char *bytes);
// Pads each text to its width. Returns nothing when a text is too long for its
// field or has a character outside Windows-1252; error then says which field.
std::optional<QByteArray> encodeRecord(const ElementRecord &record, QString *error = nullptr);

// Each text field of a record with its declared width, in file order.
std::vector<std::pair<QString, int>> textFields(const ElementRecord &record);

// Empty when a record's values are safe for every later step; otherwise the fault,
// naming the field.
QString validateRecord(const ElementRecord &record);

// Windows-1252 conversion of one byte / one character (-1 when not encodable).
QChar cp1252ToChar(unsigned char byte);
int charToCp1252(QChar c);
