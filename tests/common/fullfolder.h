#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A small file system of its own (tmpfs), mounted for the test and filled up:
// it holds old.pdf, with known bytes, and a filler file that takes every free
// block. Mounting needs root; where it cannot be done, skipReason() says why.
class FullFolder
{
public:
    FullFolder();
    ~FullFolder();
    FullFolder(const FullFolder &) = delete;
    FullFolder &operator=(const FullFolder &) = delete;

    // Empty when the folder is mounted and full.
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path(); }
    QString oldFile() const { return m_dir.filePath(QStringLiteral("old.pdf")); }
    static QByteArray oldBytes();
    // Every name in the folder, hidden ones too, sorted.
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};
