#pragma once

#include <QString>
#include <QtGlobal>

// Where to break text for a line of at most width characters: the position
// (1-based) of the last comma, space, full stop or hyphen among the first width
// characters, so the break character ends the first line. Without one, or when
// width < 1, width itself (a hard split). Characters past the end of a shorter
// text are not looked at.
qint16 StrWWrap(qint16 width, const QString &text);
