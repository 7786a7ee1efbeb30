#include "numbertext.h"

#include <cmath>

QString numberText(double value)
{
    if (value == 0) return QStringLiteral("0"); // also for -0
    // Whole numbers below 10^15 print as integers: the same text, found without
    // the general conversion, which is slow for them (the table prints hundreds).
    if (std::abs(value) < 1e15 && value == std::trunc(value)) return QString::number(qint64(value));
    // QString::number never uses the locale, so the separator is always ".".
    QString text = QString::number(value, 'g', 15);
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    if (exponent >= 0) text = text.left(exponent) + QLatin1Char('E') + text.mid(exponent + 1);
    return text;
}

QString Str(double value)
{
    const QString text = numberText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}
