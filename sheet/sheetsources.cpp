#include "sheetsources.h"

#include "language.h"

#include <algorithm>

namespace {

const QString Unknown = QStringLiteral("unknown");
const QString NoValue = QStringLiteral("none");
const QString Correction = QStringLiteral("override");

// The fields of lines 1 to 29 that name their sources, in line order.
constexpr const char *LineFields[SheetLineCount] = {"Period",
                                                    "Group",
                                                    "Classification",
                                                    "State",
                                                    "AtomicWeight",
                                                    "AtomicVolume",
                                                    "AtomicRadius",
                                                    "Density",
                                                    "ElectroNegativity",
                                                    "ElectroConduct",
                                                    "ThermalConduct",
                                                    "MeltingPoint",
                                                    "BoilingPoint",
                                                    "SpecificHeat",
                                                    "FusionHeat",
                                                    "EvaporationHeat",
                                                    "DebyeTemp",
                                                    "CovalentRadius",
                                                    "IonicRadius",
                                                    "IonizingEnergy",
                                                    "OxidationStates",
                                                    "CrystalStructure",
                                                    "CrystalConstant",
                                                    "CrystalCARatio",
                                                    "ElectronicConfig",
                                                    "Discovered",
                                                    "Discoverer",
                                                    "Appearance",
                                                    "NameOrigin"};

// The line as it reads, with its label's colon dropped.
QString lineValue(int line, const ElementRecord &record, const ClassificationNames &names)
{
    if (line == SheetTitleLine) return sheetTextLines(record, names).first();
    QString label = sheetLabel(line).trimmed();
    // A language may set its colon apart ("Densité :").
    if (label.endsWith(u':')) label = label.chopped(1).trimmed();
    const SheetValue v = sheetValue(line, record, names);
    return (label + u' ' + (v.text + v.suffix).simplified()).trimmed();
}

// What a source code stands for, as NOTICE describes it; a correction names the
// source it is based on.
QString describe(const ElementSources &sources, const ValueSource &value)
{
    const DataSource *entry = sources.notice().source(value.code);
    if (!entry) return value.code;
    if (value.code != Correction || value.basis.isEmpty()) return entry->describe();
    // "BODR 10; MIT, corrected by hand for Zelvane": the source, then the correction.
    const DataSource *basis = sources.notice().source(value.basis);
    return (basis ? basis->describe() : value.basis) + QStringLiteral(", ") + entry->title;
}

} // namespace

SheetLineFields sheetLineFields(int line)
{
    if (line == SheetTitleLine)
        return {{QStringLiteral("ElementName"), QStringLiteral("Symbol")},
                {QStringLiteral("AtomicNumber")}};
    if (line < 1 || line > SheetLineCount) return {};
    SheetLineFields fields{{QLatin1String(LineFields[line - 1])}, {}};
    if (line == 2) fields.named << QStringLiteral("GroupLabel");
    if (line == 8) fields.shown << QStringLiteral("DensityUnit");
    return fields;
}

QString LineSource::text() const
{
    QString out = value + QStringLiteral(" \u2014 ") + source;
    for (const QString &reason : reasons)
        //: Why a value was corrected by hand.
        out += u'\n' + Language::translate("SheetSources", "Reason: %1").arg(reason);
    return out;
}

QString LineSource::oneLine() const
{
    QString out = source;
    for (const QString &reason : reasons)
        out += QStringLiteral(". ") + Language::translate("SheetSources", "Reason: %1").arg(reason);
    return out;
}

LineSource sheetLineSource(int line, const ElementRecord &record, qint16 n,
                           const ClassificationNames &names, const ElementSources &sources)
{
    //: The source of a sheet line whose value is not the data set's own.
    LineSource result{
        lineValue(line, record, names), Language::translate("SheetSources", "unknown"), {}};
    const SheetLineFields fields = sheetLineFields(line);
    std::vector<ValueSource> named;
    for (const QString &field : fields.named + fields.shown) {
        const ValueSource value = sources.sourceOf(record, n, recordFieldIndex(field));
        // One value that is not the shipped one makes the whole line's source unknown.
        if (value.code.isEmpty()) return result;
        if (fields.named.contains(field)) named.push_back(value);
    }
    QStringList described;
    for (const ValueSource &value : named) {
        const QString text = describe(sources, value);
        if (!described.contains(text)) described << text;
        if (!value.reason.isEmpty() && !result.reasons.contains(value.reason))
            result.reasons << value.reason;
    }
    QString source;
    for (const QString &text : described)
        source = source.isEmpty()
                     ? text
                     //: Two sources of one line, or a list and one more.
                     : Language::translate("SheetSources", "%1 and %2").arg(source, text);
    result.source = source;
    return result;
}

QStringList sheetTextLinesWithSources(const ElementRecord &record, qint16 n,
                                      const ClassificationNames &names,
                                      const ElementSources &sources)
{
    QStringList lines = sheetTextLines(record, names);
    for (int line = 0; line < lines.size(); ++line)
        lines[line] +=
            QStringLiteral(" \u2014 ") + sheetLineSource(line, record, n, names, sources).oneLine();
    return lines;
}

QStringList pageSourceCodes(const ElementRecord &record, qint16 n, const ElementSources &sources)
{
    QStringList fields{QStringLiteral("Neutrons"), QStringLiteral("LevelCount"),
                       QStringLiteral("LevelElectrons")};
    for (int line = SheetTitleLine; line <= SheetLineCount; ++line) {
        const SheetLineFields f = sheetLineFields(line);
        fields << f.named << f.shown;
    }
    QStringList codes;
    for (const QString &field : fields) {
        QString code = sources.sourceOf(record, n, recordFieldIndex(field)).code;
        if (code.isEmpty()) code = Unknown;
        if (code != NoValue && !codes.contains(code)) codes << code;
    }
    // NOTICE's order; codes it does not describe after them, unknown last.
    const auto rank = [&sources](const QString &code) {
        if (code == Unknown) return 1 << 20;
        const auto &list = sources.notice().sources;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].code == code) return int(i);
        return 1 << 19;
    };
    std::stable_sort(codes.begin(), codes.end(),
                     [&rank](const QString &a, const QString &b) { return rank(a) < rank(b); });
    return codes;
}

QString sourceNoteText(const QStringList &codes)
{
    QStringList shown = codes;
    for (QString &code : shown)
        if (code == Unknown) code = Language::translate("SheetSources", "unknown");
    //: The printed page's last line; %1 is a list of source codes ("pymatgen, NIST").
    return Language::translate("SheetSources", "Sources: %1; see Zelvane's About page.")
        .arg(shown.join(QStringLiteral(", ")));
}
