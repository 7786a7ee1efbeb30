#include "numbertext.h"

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    // QString::number never uses the locale, so the separator is always ".".
    QString text = QString::number(value, 'g', 15);
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    if (exponent >= 0)
        text = text.left(exponent) + QLatin1Char('E') + text.mid(exponent + 1);
    return text;
}

QString Str(double value)
{
    const QString text = numberText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}
