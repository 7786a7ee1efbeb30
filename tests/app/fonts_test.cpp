#include "fakeplatform.h"
#include "fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
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
}

// Message boxes, file dialogs and tooltips are the desktop's: its fonts, with
// fontconfig's fallback over the installed faces. A theme with no font chosen
// yet (qt6ct before its first configuration) asks for a font of no family; it
// must still get letters, not boxes.
TEST_F(CarriedFonts, DialogsUseTheDesktopsFonts)
{
    const QStringList carried{QStringLiteral("Zelvane Sans"), QStringLiteral("Zelvane Mono")};
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zelvane"),
                    QStringLiteral("Print the periodic table?"), QMessageBox::Yes | QMessageBox::No,
                    &w);
    const QFont boxText = control<QLabel>(box, "qt_msgbox_label")->font();
    for (const QFont &font : {QApplication::font(), boxText, QFont(QString())}) {
        const QString family = QFontInfo(font).family();
        EXPECT_FALSE(carried.contains(family)) << family.toStdString();
        const QFontMetrics metrics(font);
        for (const char32_t c : U"PrintYesNo\u00fc\u0436\u03a9")
            EXPECT_TRUE(c == 0 || metrics.inFontUcs4(c))
                << family.toStdString() << " lacks U+" << std::hex << unsigned(c);
    }
}
