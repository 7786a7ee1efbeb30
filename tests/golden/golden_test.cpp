// Golden pictures: the key screens and both printed pages, drawn headless and
// compared pixel for pixel with the committed PNGs beside this file. With
// ZELVANE_UPDATE_GOLDEN=1 (make golden) the pictures are written instead; look
// at every one before committing it.

#include "fakeplatform.h"
#include "windowcontrol.h"
#include "zelmain.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QString goldenPath(const QString &name)
{
    return QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/") + name + QStringLiteral(".png");
}

// Compares with the committed picture; a mismatch leaves the picture drawn now
// and a map of the differing pixels in the build folder.
void expectGolden(const QImage &drawn, const QString &name)
{
    const QImage actual = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("ZELVANE_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(actual.save(goldenPath(name)));
        return;
    }
    const QImage expected = QImage(goldenPath(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "no golden picture " << goldenPath(name).toStdString();
    ASSERT_EQ(actual.size(), expected.size()) << name.toStdString();
    QImage diff(actual.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ++differing;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
    if (differing) {
        const QString out = QStringLiteral(ZELVANE_BINARY_DIR "/golden-failures/");
        QDir().mkpath(out);
        actual.save(out + name + QStringLiteral(".png"));
        diff.save(out + name + QStringLiteral("-diff.png"));
    }
    EXPECT_EQ(differing, 0) << name.toStdString() << ": differing pixels; see "
                            << ZELVANE_BINARY_DIR << "/golden-failures";
}

// A printed page as paper shows it, at 96 dots per inch.
QImage paper(const PageCanvas &page, QSizeF areaTwips)
{
    QImage image((areaTwips / 15).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.render(painter, 96);
    return image;
}

} // namespace

TEST(Golden, TablePageAfterTheBanner)
{
    Started s;
    expectGolden(s.w().grab().toImage(), QStringLiteral("table-page"));
}

TEST(Golden, ElementPagesWithTheAnimationOff)
{
    Started s;
    ZelMain &w = s.w();
    auto *eScroll = control<QScrollBar>(w, "eScroll");
    w.tab_Frame_Click(1);
    for (const auto &[z, name] : {std::pair{1, "element-h"}, {26, "element-fe"}, {118, "element-og"}}) {
        eScroll->setValue(z);
        expectGolden(w.grab().toImage(), QString::fromLatin1(name));
    }
}

TEST(Golden, PrintedTableAndIronPages)
{
    Started s;
    s.printTableThenElement(26);
    ASSERT_FALSE(HasFatalFailure());
    const QSizeF portrait = s.printer().portraitArea;
    expectGolden(paper(s.printer().jobs[0].page, portrait.transposed()),
                 QStringLiteral("print-table"));
    expectGolden(paper(s.printer().jobs[1].page, portrait), QStringLiteral("print-fe"));
}
