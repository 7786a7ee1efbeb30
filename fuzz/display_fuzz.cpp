// Feeds arbitrary bytes to the data file reader and, when the reader accepts
// them, shows the loaded elements the way the window does: the periodic table,
// the data sheet, the atom and a few animation ticks. A file the reader accepts
// must never make the display fail.
//
// The byte after the last record (ignored by the reader) picks the atom options.

#include "animation.h"
#include "atomdraw.h"
#include "atomgeometry.h"
#include "atomsprites.h"
#include "creatept.h"
#include "datasheet.h"
#include "elementdata.h"
#include "surface.h"
#include "tableartwork.h"
#include "views.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

struct Window
{
    ClassificationNames names;
    AtomModel model;
    // The window's picture sizes inside their borders.
    Surface pb{787, 506, 0xDCCCAB};
    Surface pbData{339, 479, 0xE0E0E0};
    Surface pbAtom{400, 400, ColourBlack};
    Surface pbSave{400, 400, ColourBlack};
    Surface pbHold{400, 400, ColourBlack};
    CellRects cells{};
    bool elliptic = true;

    Window() { InitClassificationNames(names); }

    void show(const ElementData &data, qint16 n, const AtomOptions &o)
    {
        const TableArtwork &art = tableArtwork();
        writeScreenSheet(pbData, data, n, names, {art.ptst, art.ptstM});
        if (o.elliptic != elliptic) {
            elliptic = o.elliptic;
            SetupAtom(model, elliptic);
        }
        const AtomDisplayResult result = displayAtom(model, pbAtom, pbSave, pbHold, atomSprites(),
                                                     data.ElementTable[n], o, false, 1);
        if (result.startTimer)
            for (int tick = 0; tick < 3; ++tick)
                tmElectronTick(model, pbAtom, pbSave, pbHold, atomSprites());
    }
};

Window &window()
{
    static Window w;
    return w;
}

ElementData &loaded()
{
    static ElementData data;
    return data;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: destroyed among the exit handlers, after
    // Qt's own thread storage, it would crash on the way out.
    static auto *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    // One display of a plain element first, so that the font caches and the
    // artwork are filled here and not counted as leaks of the first input.
    ElementData &data = loaded();
    data.ElementTable.fill(ElementRecord::blank());
    ElementRecord &r = data.ElementTable[1];
    for (QString *text :
         {&r.Symbol, &r.Spare, &r.ElementName, &r.Discovered, &r.Discoverer, &r.NameOrigin,
          &r.Appearance, &r.DensityUnit, &r.IonicRadius, &r.ElectroConduct, &r.OxidationStates,
          &r.ElectronicConfig, &r.CrystalStructure, &r.GroupLabel})
        text->fill(QLatin1Char('x'));
    r.AtomicNumber = r.Period = r.Group = r.TableRow = r.TableColumn = 1;
    r.LevelCount = r.LevelElectrons[1] = r.Classification = 1;
    data.ElementCount = 1;
    CreatePT(window().pb, 0, data, tableArtwork(), window().cells);
    for (int knobs = 0; knobs < 16; ++knobs)
        window().show(data, 1,
                      {(knobs & 1) != 0, (knobs & 2) != 0, (knobs & 4) != 0, (knobs & 8) != 0});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    Window &display = window();
    ElementData &data = loaded();
    const QByteArray input(reinterpret_cast<const char *>(bytes), qsizetype(size));
    if (!LoadElementTableFrom(input, QStringLiteral("fuzz.edb"), data).isEmpty()) return 0;
    const int count = data.ElementCount;
    if (count < 1) return 0;

    const size_t knobAt = 2 + size_t(count) * RecordSize;
    const unsigned knobs = knobAt < size ? bytes[knobAt] : 0x0F;
    const AtomOptions options{(knobs & 1) != 0, (knobs & 2) != 0, (knobs & 4) != 0,
                              (knobs & 8) != 0};

    // The byte after it picks the table's view, its temperature, unit and highlight.
    const unsigned viewKnob = knobAt + 1 < size ? bytes[knobAt + 1] : 0;
    const TableView view{int(viewKnob % tableViews().size()), viewKnob * 25.0,
                         TemperatureUnit(viewKnob % 3), int(viewKnob % 12) - 1};
    CreatePT(display.pb, 0, data, tableArtwork(), display.cells, {0, 37}, view);
    for (int z = 1; z <= std::min(count, int(MaxElements)); ++z)
        (void)cellViewText(view, data.ElementTable[z]);
    display.show(data, 1, options);
    if (count > 1) display.show(data, qint16(count), options);
    return 0;
}
