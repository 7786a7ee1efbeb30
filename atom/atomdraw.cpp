#include "atomdraw.h"

#include "animation.h"

#include <algorithm>

Colour backgroundColour(int cScrollValue)
{
    return BackgroundColors[std::clamp(cScrollValue, 0, int(BackgroundColors.size()) - 1)];
}

Colour levelNumberColour(const ShellLevel &level, const AtomOptions &o)
{
    if (!o.dispRings) return LevelGrey;
    return o.colorRings ? level.LevelColor : ColourBlue;
}

Colour levelPathColour(const ShellLevel &level, const AtomOptions &o, bool printMode)
{
    return o.colorRings && !printMode ? level.LevelColor : ColourBlue;
}

LevelLegend prepareLevels(AtomModel &model, const ElementRecord &record, const AtomOptions &o)
{
    // A level count outside 0 to 7 would index past the level table.
    model.AtomLevels = qint16(std::clamp<int>(record.LevelCount, 0, LevelMax));
    LevelLegend legend;
    for (int level = 1; level <= LevelMax; ++level) {
        ShellLevel &s = model.shells[level];
        s.ElectronCount = record.LevelElectrons[level];
        LevelLabel &label = legend[level - 1];
        label.ringCaption = QString::number(level);
        label.electronCaption = QString::number(s.ElectronCount);
        label.visible = level <= model.AtomLevels;
        label.ringColour = label.visible ? levelNumberColour(s, o) : LevelGrey;
    }
    return legend;
}

void drawNucleus(Surface &pbAtom, const AtomModel &model, const AtomSprites &sprites, int protons,
                 int neutrons)
{
    for (const NucleonPlacement &n : nucleusFill(protons, neutrons)) {
        const AtomPoint &p = model.nucleons[n.slot];
        drawSprite(pbAtom, p.x, p.y, sprites.pbEmask,
                   n.kind == Nucleon::Proton ? sprites.pbP : sprites.pbN);
    }
}

void drawLevelPaths(Surface &pbAtom, const AtomModel &model, const AtomOptions &o, bool printMode)
{
    if (!o.dispRings) return;
    const int levels = std::clamp<int>(model.AtomLevels, 0, LevelMax);
    for (int level = 1; level <= levels; ++level) {
        const Colour colour = levelPathColour(model.shells[level], o, printMode);
        for (int d = 1; d <= DegreeMax; ++d) {
            const AtomPoint &p = model.paths.at(level, d);
            pbAtom.setPixel(p.x, p.y, colour);
        }
    }
}

void drawAtomBackground(Surface &pbAtom, Surface &pbSave, const AtomModel &model,
                        const AtomSprites &sprites, int protons, int neutrons, const AtomOptions &o,
                        bool printMode)
{
    // Cleared here as well as at the start of the display, so that a display
    // run from the pending events in between leaves no electrons behind.
    pbAtom.clearPicture();
    drawNucleus(pbAtom, model, sprites, protons, neutrons);
    drawLevelPaths(pbAtom, model, o, printMode);
    pbSave.setImageFrom(pbAtom);
}

AtomDisplayResult displayAtom(AtomModel &model, Surface &pbAtom, Surface &pbSave, Surface &pbHold,
                              const AtomSprites &sprites, const ElementRecord &record,
                              const AtomOptions &o, bool printMode, int atScrollValue)
{
    AtomDisplayResult result;
    result.legend = prepareLevels(model, record, o);
    drawAtomBackground(pbAtom, pbSave, model, sprites, record.AtomicNumber, record.Neutrons, o,
                       printMode);
    if (printMode) {
        // On paper the electrons stand where the screen last showed them.
        MoveRing(model, pbAtom, pbSave, pbHold, sprites, 1, 1);
        return result;
    }
    spreadElectrons(model);
    result.electronsCaption = QString::number(model.ElectronTotal);
    result.timerInterval = electronTimerInterval(atScrollValue, model.AtomLevels);
    result.startTimer = o.animate;
    if (!o.animate) tmElectronTick(model, pbAtom, pbSave, pbHold, sprites);
    return result;
}
