#include "fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include <optional>

#include <fontconfig/fontconfig.h>

namespace {

const QString SansFamily = QStringLiteral("Zelvane Sans");
const QString MonoFamily = QStringLiteral("Zelvane Mono");

// Set by useCarriedOnly: the machine's fonts are hidden from the process.
bool carriedOnly = false;

// The file of the font the machine's own configuration gives for a family and
// weight; empty when it gives none.
QString installedFile(FcConfig *config, const QString &family, int weight)
{
    FcPattern *pattern =
        FcNameParse(reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    if (!pattern) return {};
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    QString file;
    FcChar8 *path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = QString::fromUtf8(reinterpret_cast<const char *>(path));
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

} // namespace

namespace Fonts {

void useCarriedOnly()
{
    carriedOnly = true;
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

QFont desktopFont()
{
    static std::optional<QFont> made;
    if (made) return *made;
    made = QGuiApplication::font();
    if (!carriedOnly) return *made;
    // The desktop's font is known by name only; the machine's configuration,
    // read now and only for this, says which files hold it.
    FcConfig *config = FcInitLoadConfigAndFonts();
    if (!config) return *made;
    QString family;
    for (int weight : {FC_WEIGHT_REGULAR, FC_WEIGHT_BOLD}) {
        const QString file = installedFile(config, made->family(), weight);
        const int id = file.isEmpty() ? -1 : QFontDatabase::addApplicationFont(file);
        if (family.isEmpty() && id >= 0)
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    FcConfigDestroy(config);
    if (!family.isEmpty()) made->setFamilies({family});
    return *made;
}

} // namespace Fonts
