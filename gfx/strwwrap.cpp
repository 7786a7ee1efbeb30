#include "strwwrap.h"

#include <algorithm>

qint16 StrWWrap(qint16 width, const QString &text)
{
    const qsizetype last = std::min<qsizetype>(width, text.size());
    for (qsizetype n = last; n >= 1; --n) {
        const QChar c = text.at(n - 1);
        if (c == u',' || c == u' ' || c == u'.' || c == u'-') return qint16(n);
    }
    return width;
}
