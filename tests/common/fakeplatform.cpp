#include "fakeplatform.h"

#include "windowcontrol.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTest>

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

Started::Started(bool endBanner) : window(StartUp(platform))
{
    EXPECT_TRUE(window);
    if (window && endBanner)
        window->tmAbout_Timer();
}

Started::~Started() = default;

void Started::activate()
{
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void Started::printTableThenElement(int z)
{
    window->cb_print_Click();
    window->tab_Frame_Click(1);
    control<QScrollBar>(*window, "eScroll")->setValue(z);
    window->cb_print_Click();
    ASSERT_EQ(printer().jobs.size(), 2u);
}
