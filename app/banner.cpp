#include "banner.h"

QString bannerText()
{
    const QChar cr(13);
    return QString() + cr + cr + QStringLiteral("Zelvane  v1.0, by Zelvane Works") + cr + cr +
           QStringLiteral("Visit the Zelvane Works web site for our other titles.");
}

QString bannerDisplayText()
{
    QString text = bannerText();
    text.replace(QChar(13), QChar(10));
    return text;
}
