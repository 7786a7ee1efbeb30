#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {

const QString SansFamily = QStringLiteral("Zelvane Sans");
const QString MonoFamily = QStringLiteral("Zelvane Mono");

} // namespace

namespace Fonts {

void useCarriedOnly()
{
    // An empty configuration, made current before Qt's first font look-up, so
    // that fontconfig never loads the machine's: no font folders, no rules.
    // Fonts drawn here carry their own hinting and antialiasing choices, and the
    // application font allows no fallback faces, so nothing drawn changes.
    FcConfig *config = FcConfigCreate();
    if (!config) return;
    FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}

QStringList carriedFiles()
{
    return {QStringLiteral(":/fonts/ZelvaneSans-Regular.ttf"),
            QStringLiteral(":/fonts/ZelvaneSans-Bold.ttf"),
            QStringLiteral(":/fonts/ZelvaneMono-Regular.ttf"),
            QStringLiteral(":/fonts/ZelvaneMono-Bold.ttf")};
}

QString family(const QString &face)
{
    static const bool registered = [] {
        for (const QString &file : carriedFiles())
            QFontDatabase::addApplicationFont(file);
        return true;
    }();
    Q_UNUSED(registered);
    const bool fixedPitch = face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0 ||
                            face.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    return fixedPitch ? MonoFamily : SansFamily;
}

QFont font(const QString &face, int pixelSize, bool bold, bool underline)
{
    QFont f(family(face));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setUnderline(underline);
    // Only the carried face, drawn alike everywhere: no glyphs from other fonts,
    // and neither the hinting nor the sub-pixel rendering that a machine's font
    // settings would choose.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

} // namespace Fonts
