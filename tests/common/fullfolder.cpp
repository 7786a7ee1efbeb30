#include "fullfolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

FullFolder::FullFolder()
{
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (::mount("zelvane-test", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=256k,mode=0755") != 0) {
        m_skipReason = QStringLiteral("cannot mount a small file system here (root needed): %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
    QFile old(oldFile());
    if (!old.open(QIODevice::WriteOnly) || old.write(oldBytes()) != oldBytes().size() ||
        !old.flush()) {
        m_skipReason = QStringLiteral("cannot write old.pdf on the small file system");
        return;
    }
    old.close();
    // Fill every block that is left.
    const int fd = ::open(QFile::encodeName(m_dir.filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const QByteArray block(4096, 'f');
    while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    const int full = errno;
    if (fd >= 0) ::close(fd);
    if (fd < 0 || full != ENOSPC)
        m_skipReason = QStringLiteral("cannot fill the small file system: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(full)));
}

FullFolder::~FullFolder()
{
    if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QByteArray FullFolder::oldBytes()
{
    QByteArray bytes("%PDF-1.4\n% the old file, which no failed write may touch\n");
    for (int i = 0; bytes.size() < 20000; ++i)
        bytes += QByteArray::number(i) + ' ';
    return bytes;
}

QStringList FullFolder::entries() const
{
    return QDir(m_dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}
