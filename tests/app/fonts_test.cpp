#include "fakeplatform.h"
#include "fonts.h"
#include "windowcontrol.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRawFont>

#include <gtest/gtest.h>

namespace {

// A font file's header table: its revision and checksum tell one file from
// another copy of the same family, such as an older release on the machine.
QByteArray headOfFile(const QString &file)
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    return QRawFont(f.readAll(), 12).fontTable("head");
}

QByteArray headOfFont(const QFont &font)
{
    return QRawFont::fromFont(font).fontTable("head");
}

} // namespace

// The machines this runs on also have other fonts that answer to these names
// (Liberation 1.x, the URW and DejaVu fonts): the carried files must win.
TEST(CarriedFonts, EveryFaceResolvesToACarriedFile)
{
    const struct
    {
        const char *face;
        bool bold;
        const char *file;
    } cases[] = {
        {"Arial", false, ":/fonts/LiberationSans-Regular.ttf"},
        {"Arial", true, ":/fonts/LiberationSans-Bold.ttf"},
        {"Courier New", false, ":/fonts/LiberationMono-Regular.ttf"},
        {"Courier New", true, ":/fonts/LiberationMono-Bold.ttf"},
        {"Courier", false, ":/fonts/LiberationMono-Regular.ttf"},
        {"Courier", true, ":/fonts/LiberationMono-Bold.ttf"},
        {"MS Sans Serif", false, ":/fonts/LiberationSans-Regular.ttf"},
    };
    for (const auto &c : cases) {
        const QByteArray expected = headOfFile(QString::fromLatin1(c.file));
        ASSERT_FALSE(expected.isEmpty()) << c.file;
        for (int size : {11, 13, 19, 200, 240})
            EXPECT_EQ(headOfFont(Fonts::font(QString::fromLatin1(c.face), size, c.bold)),
                      expected)
                << c.face << (c.bold ? " bold " : " ") << size;
    }
    EXPECT_EQ(Fonts::font(QStringLiteral("Courier"), 200).pixelSize(), 200);

    // The window's own texts, and what the canvases draw with.
    FakePlatform platform;
    const std::unique_ptr<ZelMain> w = StartUp(platform);
    ASSERT_TRUE(w);
    const QByteArray sans = headOfFile(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    const QByteArray sansBold = headOfFile(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    EXPECT_EQ(headOfFont(control<QLabel>(*w, "lbl_click")->font()), sans);
    EXPECT_EQ(headOfFont(control<QLabel>(*w, "d_protons")->font()), sansBold);
    EXPECT_EQ(headOfFont(control<QLabel>(*w, "lbl_about")->font()), sansBold);
    EXPECT_EQ(headOfFont(control<PictureBox>(*w, "pbData")->surface().font()), sans);
    EXPECT_EQ(headOfFont(QApplication::font()), sans);
}
