#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {

const QString SansFamily = QStringLiteral("Liberation Sans");
const QString MonoFamily = QStringLiteral("Liberation Mono");

bool registerCarried()
{
    // Let Qt read the installed fonts first (none after useCarriedOnly): a
    // carried face registered after an installed one of the same family and
    // style takes its place, so an older copy on the machine (say Liberation
    // 1.x) is never used instead.
    QFontDatabase::families();
    for (const QString &file : Fonts::carriedFiles()) {
        // The faces are stored uncompressed in the executable: used in place,
        // not read into a copy of their own.
        const QResource resource(file);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size())));
        else
            QFontDatabase::addApplicationFont(file);
    }
    return true;
}

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
    return {QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
            QStringLiteral(":/fonts/LiberationSans-Bold.ttf"),
            QStringLiteral(":/fonts/LiberationMono-Regular.ttf"),
            QStringLiteral(":/fonts/LiberationMono-Bold.ttf")};
}

QString family(const QString &face)
{
    static const bool registered = registerCarried();
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
