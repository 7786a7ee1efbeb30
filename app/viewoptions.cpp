#include "viewoptions.h"

#include "language.h"
#include "zelmain.h"

#include <QCommandLineParser>

void addViewOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        QStringLiteral("view"),
        Language::translate("CommandLine",
                            "Colour the table by NAME (--list-views names them), in the window and "
                            "in --pdf; by the classes when not given."),
        QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("temperature"),
        Language::translate("CommandLine",
                            "The state view's temperature T, a number and its unit: 300K, 25C or "
                            "77F; 298K when not given."),
        QStringLiteral("T")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("list-views"),
        Language::translate("CommandLine", "List the views' names, one a line.")));
}

QString readViewOptions(const QCommandLineParser &parser, ViewOptions &options)
{
    options.list = parser.isSet(QStringLiteral("list-views"));
    const bool view = parser.isSet(QStringLiteral("view"));
    const bool temperature = parser.isSet(QStringLiteral("temperature"));
    if ((view || temperature) && parser.isSet(QStringLiteral("sheet")))
        return Language::translate("CommandLine", "--sheet goes alone");
    if (view) {
        const QString name = parser.value(QStringLiteral("view"));
        const int found = findTableView(name);
        if (found < 0)
            return Language::translate("CommandLine",
                                       "no view %1 (zelvane --list-views names them)")
                .arg(name);
        options.view = found;
    }
    if (temperature) {
        const QString text = parser.value(QStringLiteral("temperature"));
        options.temperature = parseTemperature(text);
        if (!options.temperature)
            return Language::translate("CommandLine",
                                       "bad temperature %1: give a number and its unit, K, C or "
                                       "F, from %2 to %3")
                .arg(text, temperatureText(MinKelvin, TemperatureUnit::Kelvin),
                     temperatureText(MaxKelvin, TemperatureUnit::Kelvin));
    }
    return {};
}

QString viewNamesText()
{
    QString text;
    for (const TableViewDef &def : tableViews())
        text += def.name + QLatin1Char('\n');
    return text;
}

void applyViewOptions(ZelMain &window, const ViewOptions &options)
{
    if (options.temperature) window.setTemperature(*options.temperature);
    if (options.view) window.setTableView(*options.view);
}
