#include "filewrite.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all the bytes to fd, through short writes and interruptions.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

// Writes into what the name already opens: nothing there can be replaced.
int writeInPlace(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The mode a newly created file gets: read and write for all, less the umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

int replaceFile(const QString &fileName, const QByteArray &bytes)
{
    if (fileName.isEmpty()) return ENOENT;
    QByteArray path = QFile::encodeName(fileName);
    struct stat old;
    const bool exists = ::stat(path.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return EISDIR;
    if (exists && !S_ISREG(old.st_mode)) return writeInPlace(path, bytes);
    // A file the user may not write stays, as it would for a write in place.
    if (exists && ::access(path.constData(), W_OK) != 0) return errno;
    if (exists) {
        const QString canonical = QFileInfo(fileName).canonicalFilePath();
        if (!canonical.isEmpty()) path = QFile::encodeName(canonical);
    }

    // The new content goes into a hidden file in the same folder, so that the
    // rename is atomic.
    const QFileInfo target(QFile::decodeName(path));
    QByteArray temporary =
        QFile::encodeName(target.absolutePath() + QStringLiteral("/.") +
                          target.fileName().left(200) + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    if (::fchmod(fd, exists ? (old.st_mode & 0777) : newFileMode()) != 0) error = errno;
    if (error == 0) error = writeAll(fd, bytes);
    // Where syncing is not supported, the close still reports a failed write.
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.constData(), path.constData()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.constData());
    return error;
}

int writeStandardOutput(const QByteArray &bytes)
{
    return writeAll(STDOUT_FILENO, bytes);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
