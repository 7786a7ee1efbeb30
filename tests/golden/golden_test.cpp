// Golden pictures: the key screens and both printed pages, drawn headless and
// compared pixel for pixel with the committed PNGs beside this file. With
// ZELVANE_UPDATE_GOLDEN=1 (make golden) the pictures are written instead; look
// at every one before committing it.

#include "fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace {

// A mismatch leaves the picture drawn now in the build folder.
void expectGolden(const QImage &drawn, const char *name)
{
    const QString file = QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/%1.png").arg(name);
    const QImage actual = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("ZELVANE_UPDATE_GOLDEN") == 1) {
        EXPECT_TRUE(actual.save(file)) << name;
        return;
    }
    if (actual == QImage(file).convertToFormat(QImage::Format_RGB32)) return;
    const QString failures = QStringLiteral(ZELVANE_BINARY_DIR "/golden-failures/");
    QDir().mkpath(failures);
    actual.save(failures + QLatin1String(name) + QStringLiteral(".png"));
    ADD_FAILURE() << name << " differs from its golden picture; see " << failures.toStdString();
}

} // namespace

using Golden = App;

// The table page after the banner, both printed pages, and the element pages
// (the animation off) after printing.
TEST_F(Golden, ScreensAndPrintedPages)
{
    expectGolden(w.grab().toImage(), "table-page");
    printTableThenElement(26);
    ASSERT_FALSE(HasFatalFailure());
    expectGolden(printer.jobs[0].paper(printer.portraitArea.transposed()), "print-table");
    expectGolden(printer.jobs[1].paper(printer.portraitArea), "print-fe");
    for (const auto &[z, name] :
         {std::pair{26, "element-fe"}, {1, "element-h"}, {118, "element-og"}}) {
        control<QScrollBar>(w, "eScroll")->setValue(z);
        expectGolden(w.grab().toImage(), name);
    }
}

// The golden_under_user_font_rules run draws the pictures above under a user's
// font rules (tests/golden/user-fonts.conf) that turn antialiasing off for
// every face. That they are in force shows in an installed face: its letters
// are drawn in black and white only.
TEST(UserFontRules, AreInForceForInstalledFaces)
{
    if (!qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String("/user-fonts.conf")))
        GTEST_SKIP() << "runs under FONTCONFIG_FILE=tests/golden/user-fonts.conf";
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont installed(QStringLiteral("DejaVu Sans"));
    installed.setPixelSize(30);
    painter.setFont(installed);
    painter.drawText(10, 45, QStringLiteral("Zelvane"));
    painter.end();
    int black = 0, grey = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            black += p == qRgb(0, 0, 0);
            grey += p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255);
        }
    EXPECT_GT(black, 100);
    EXPECT_EQ(grey, 0);
}
