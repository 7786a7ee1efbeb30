#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {

const char *const Carried[] = {"de", "fr", "es"};

struct Translations
{
    QString code;
    QTranslator ours;
    QTranslator toolkit;
};

Translations &translations()
{
    static Translations t;
    return t;
}

} // namespace

QString carried(const QString &name)
{
    // language[_territory][.codeset][@modifier]
    const QString language = name.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0);
    for (const char *code : Carried)
        if (language.compare(QLatin1String(code), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(code);
    return {};
}

QString fromEnvironment(const Environment &env)
{
    const QByteArray list = env("LANGUAGE");
    if (!list.isEmpty()) {
        for (const QByteArray &name : list.split(':'))
            if (const QString code = carried(QString::fromLocal8Bit(name)); !code.isEmpty())
                return code;
        return {};
    }
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray name = env(variable); !name.isEmpty())
            return carried(QString::fromLocal8Bit(name));
    return {};
}

void use(const QString &code)
{
    Translations &t = translations();
    t.code = carried(code);
    // Loading nothing empties a translator: English is the texts themselves.
    if (t.code.isEmpty() || !t.ours.load(QStringLiteral(":/i18n/zelvane_%1.qm").arg(t.code))) {
        t.code.clear();
        std::ignore = t.ours.load(QString());
        std::ignore = t.toolkit.load(QString());
        return;
    }
    // The toolkit's translations are the system's; without them its few texts
    // stay English.
    if (!t.toolkit.load(QLocale(t.code), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        std::ignore = t.toolkit.load(QString());
}

QString current()
{
    return translations().code;
}

QString translate(const char *context, const char *source, const char *disambiguation)
{
    const Translations &t = translations();
    if (!t.code.isEmpty())
        if (QString text = t.ours.translate(context, source, disambiguation); !text.isEmpty())
            return text;
    return QString::fromUtf8(source);
}

QString translate(const char *context, const QString &source)
{
    const Translations &t = translations();
    if (!t.code.isEmpty())
        if (QString text = t.ours.translate(context, source.toUtf8().constData()); !text.isEmpty())
            return text;
    return source;
}

void installToolkitTexts()
{
    Translations &t = translations();
    if (t.code.isEmpty() || t.toolkit.isEmpty()) return;
    QCoreApplication::installTranslator(&t.toolkit);
}

} // namespace Language
