#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {

const QString SansFamily = QStringLiteral("Zelvane Sans");
const QString MonoFamily = QStringLiteral("Zelvane Mono");

} // namespace

namespace Fonts {

void pinCarriedRendering()
{
    // Qt takes antialiasing, the autohinter, the sub-pixel order and the LCD
    // filter of every face from fontconfig's match, so a user's rules (say
    // antialias off) would change the pictures. Rules on the carried families,
    // read after all others, win. The hint style comes from the fonts' own
    // hinting preference (Fonts::font), which Qt puts before fontconfig's.
    QByteArray rules = "<fontconfig>";
    for (const QString &family : {SansFamily, MonoFamily}) {
        rules += "<match target=\"font\"><test name=\"family\"><string>" + family.toUtf8() +
                 "</string></test>"
                 "<edit name=\"antialias\" mode=\"assign\"><bool>true</bool></edit>"
                 "<edit name=\"autohint\" mode=\"assign\"><bool>false</bool></edit>"
                 "<edit name=\"rgba\" mode=\"assign\"><const>none</const></edit>"
                 "<edit name=\"lcdfilter\" mode=\"assign\"><const>lcddefault</const></edit>"
                 "</match>";
    }
    rules += "</fontconfig>";
    // The machine's configuration is loaded here, as Qt would load it.
    if (FcConfig *config = FcConfigGetCurrent())
        FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(rules.constData()),
                                       FcTrue);
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
