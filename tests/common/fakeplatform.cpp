#include "fakeplatform.h"

#include <QFile>

#include <gtest/gtest.h>

QSizeF RecordingPrinter::printableSize(PageOrientation orientation)
{
    ++calls;
    if (failing)
        return {};
    return orientation == PageOrientation::Portrait ? portraitArea : portraitArea.transposed();
}

bool RecordingPrinter::printPage(const PageCanvas &page, PageOrientation orientation)
{
    ++calls;
    if (failing)
        return false;
    jobs.push_back({page, orientation});
    return true;
}

FakePlatform::FakePlatform()
{
    EXPECT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EDB_PATH),
                            m_dir.filePath(QStringLiteral("elementDat.edb"))));
}

FakePlatform::FakePlatform(const QByteArray &dataFile)
{
    QFile file(m_dir.filePath(QStringLiteral("elementDat.edb")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dataFile);
}

bool FakePlatform::askYesNo(QWidget *, const QString &prompt, const QString &title)
{
    questions.push_back(title + QStringLiteral(": ") + prompt);
    return answer;
}
