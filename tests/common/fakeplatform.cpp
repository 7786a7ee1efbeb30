#include "fakeplatform.h"

#include "testdata.h"
#include "zelmod.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTest>

FakePlatform::FakePlatform(const std::optional<QByteArray> &dataFile)
{
    QFile file(dir.filePath(QStringLiteral("elementDat.edb")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dataFile ? *dataFile : readFile(QStringLiteral(ZELVANE_EDB_PATH)));
}

QImage RecordingPrinter::Job::paper(QSizeF areaTwips) const
{
    QImage image((areaTwips / 15).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.render(painter, 96);
    return image;
}

static ZelMain &started(const std::unique_ptr<ZelMain> &window)
{
    if (!window) throw std::runtime_error("the program did not start");
    window->tmAbout_Timer();
    return *window;
}

App::App() : window(StartUp(platform)), w(started(window)) {}

void App::activate()
{
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

void App::printTableThenElement(int z)
{
    w.cb_print_Click();
    w.tab_Frame_Click(1);
    eScroll->setValue(z);
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 2u);
}
