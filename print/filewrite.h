#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content with bytes so that the file never holds less than
// all of either: the bytes go to a new file beside it, are checked written,
// synced and closed, and that file is then renamed over the old one. A link is
// followed, so that it keeps naming the new content. A name of something that
// cannot be replaced (a device such as /dev/full, a pipe) is written in place,
// every write checked. On any failure the old file is as it was and no new
// file is left behind. Returns 0, or the errno of the failure.
int replaceFile(const QString &fileName, const QByteArray &bytes);

// Writes bytes to standard output, every write checked. Returns 0, or the
// errno of the failure.
int writeStandardOutput(const QByteArray &bytes);

// The system's text for an errno, such as "No space left on device".
QString errorText(int error);
