#include "banner.h"

#include "language.h"

QString bannerText()
{
    const QChar cr(13);
    // The product name and version stay as they are; the maker's words are
    // translated. Each line must fit the banner's 540 pixels.
    //: The banner's product line: the name, two blanks, the version, the maker
    const QString product = Language::translate("Banner", "Zelvane  v1.0, by Zelvane Works");
    //: The banner's last line, at most 540 pixels wide in the banner's 19-pixel bold face
    const QString visit =
        Language::translate("Banner", "Visit the Zelvane Works web site for our other titles.");
    return QString() + cr + cr + product + cr + cr + visit;
}

QString bannerDisplayText()
{
    QString text = bannerText();
    text.replace(QChar(13), QChar(10));
    return text;
}
