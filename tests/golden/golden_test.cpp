// Golden pictures: the key screens and both printed pages, drawn headless and
// compared pixel for pixel with the committed PNGs beside this file. With
// ZELVANE_UPDATE_GOLDEN=1 (make golden) the pictures are written instead; look
// at every one before committing it.

#include "fakeplatform.h"

#include <QCoreApplication>
#include <QDir>

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
