#include "fakeplatform.h"
#include "fonts.h"

#include <QApplication>
#include <QFile>
#include <QRawFont>

namespace {

// A font file's header table: its revision and checksum tell one file from
// another copy of the same family, such as an older release on the machine.
QByteArray headOf(const char *carriedFile)
{
    QFile f(QString::fromLatin1(":/fonts/%1.ttf").arg(QLatin1String(carriedFile)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << carriedFile;
    return QRawFont(f.readAll(), 12).fontTable("head");
}

QByteArray headOf(const QFont &font)
{
    return QRawFont::fromFont(font).fontTable("head");
}

} // namespace

using CarriedFonts = App;

// The machines this runs on also have fonts that answer to the face names asked
// for (Liberation, the URW and DejaVu fonts): the carried files must win, for
// the faces asked for and for the window's own texts.
TEST_F(CarriedFonts, EveryFaceResolvesToACarriedFile)
{
    const QByteArray sans = headOf("ZelvaneSans-Regular"), sansB = headOf("ZelvaneSans-Bold");
    const QByteArray mono = headOf("ZelvaneMono-Regular"), monoB = headOf("ZelvaneMono-Bold");
    ASSERT_FALSE(sans.isEmpty() || sansB.isEmpty() || mono.isEmpty() || monoB.isEmpty());
    const std::tuple<const char *, bool, QByteArray> faces[] = {
        {"Arial", false, sans},        {"Arial", true, sansB},   {"Courier New", false, mono},
        {"Courier New", true, monoB},  {"Courier", false, mono}, {"Courier", true, monoB},
        {"MS Sans Serif", false, sans}};
    for (const auto &[face, bold, expected] : faces)
        for (int size : {11, 13, 19, 200, 240})
            EXPECT_EQ(headOf(Fonts::font(QLatin1String(face), size, bold)), expected)
                << face << (bold ? " bold " : " ") << size;
    EXPECT_EQ(Fonts::font(QStringLiteral("Courier"), 200).pixelSize(), 200);
    EXPECT_EQ(headOf(control<QLabel>(w, "lbl_click")->font()), sans);
    EXPECT_EQ(headOf(control<QLabel>(w, "d_protons")->font()), sansB);
    EXPECT_EQ(headOf(control<QLabel>(w, "lbl_about")->font()), sansB);
    w.tab_Frame_Click(1); // the sheet is written when its page first shows
    EXPECT_EQ(headOf(pbData->surface().font()), sans);
    EXPECT_EQ(headOf(QApplication::font()), sans);
}
