#include "paper.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// The territories whose locales print on Letter paper.
constexpr std::array<const char *, 14> LetterTerritories = {
    "BO", "CA", "CL", "CO", "CR", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"};

// The territory of a locale name language[_territory][.codeset][@modifier];
// empty when it names none.
QString territory(QString locale)
{
    locale = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    const qsizetype underscore = locale.indexOf(u'_');
    return underscore < 0 ? QString() : locale.mid(underscore + 1).toUpper();
}

// The paper the file names on its first line that is not a comment.
std::optional<QPageSize::PageSizeId> filePaper(const QString &text)
{
    for (const QString &line : text.split(u'\n')) {
        const QString name = line.trimmed().toLower();
        if (name.isEmpty() || name.startsWith(u'#')) continue;
        const std::pair<const char *, QPageSize::PageSizeId> known[] = {
            {"a4", QPageSize::A4},
            {"letter", QPageSize::Letter},
            {"legal", QPageSize::Legal},
            {"a3", QPageSize::A3}};
        for (const auto &[paperName, id] : known)
            if (name == QLatin1String(paperName)) return id;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

PaperSources systemPaperSources(const QString &paperFile)
{
    QFile file(paperFile);
    const QString text =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(4096)) : QString();
    return {qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_PAPER"), text};
}

QPageSize::PageSizeId userPaper(const PaperSources &sources)
{
    const QString locale = sources.lcAll.isEmpty() ? sources.lcPaper : sources.lcAll;
    const QString place = territory(locale);
    if (!place.isEmpty()) {
        const bool letter =
            std::any_of(LetterTerritories.begin(), LetterTerritories.end(),
                        [&place](const char *t) { return place == QLatin1String(t); });
        return letter ? QPageSize::Letter : QPageSize::A4;
    }
    return filePaper(sources.paperFile).value_or(QPageSize::A4);
}
