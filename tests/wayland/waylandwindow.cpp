// The real window on a Wayland compositor, run by tests/wayland/weston.sh: the
// program's own start-up on Qt's Wayland platform, the window mapped at 800 x
// 600 outside and left where the compositor put it; then the table printed
// through its Print button with no printer installed: the question answered
// Yes, the save dialog given a file name, and the PDF written.
//
//   zelvane_wayland_window <elementDat.edb> <PDF to write> [screenshot folder]
//
// With a screenshot folder, weston-screenshooter (weston --debug) saves the
// screen with the table, the question and the save dialog there.

#include "display.h"
#include "fonts.h"
#include "systemplatform.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const QString &what)
{
    if (ok) return;
    std::fprintf(stderr, "wayland: FAIL: %s\n", qPrintable(what));
    ++failures;
}

// The whole screen as the compositor shows it, as FOLDER/NAME.
void shoot(const QString &folder, const QString &name)
{
    if (folder.isEmpty()) return;
    QTemporaryDir scratch;
    QProcess shooter;
    shooter.setWorkingDirectory(scratch.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    const QStringList shots = shooter.waitForFinished(10000)
                                  ? QDir(scratch.path()).entryList({QStringLiteral("*.png")})
                                  : QStringList();
    QFile::remove(QDir(folder).filePath(name));
    if (shots.isEmpty() ||
        !QFile::rename(QDir(scratch.path()).filePath(shots.first()), QDir(folder).filePath(name)))
        std::fprintf(stderr, "wayland: no screenshot %s (weston --debug?)\n", qPrintable(name));
}

// The shown dialog of that type, if any.
template <class Dialog> Dialog *shownDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<Dialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zelvane_wayland_window <elementDat.edb> <PDF> [shots]\n");
        return 2;
    }
    const QString dataFile = QString::fromLocal8Bit(argv[1]);
    const QString pdf = QString::fromLocal8Bit(argv[2]);
    const QString shots = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    Fonts::pinCarriedRendering();
    const std::unique_ptr<QApplication> app = openDisplay(argc, argv, true);
    check(QGuiApplication::platformName() == QLatin1String("wayland"),
          QStringLiteral("the platform is %1, not wayland").arg(QGuiApplication::platformName()));

    SystemPlatform platform;
    platform.setDataFile(dataFile);
    const std::unique_ptr<ZelMain> window = StartUp(platform);
    if (!window) return 1;
    check(QTest::qWaitForWindowExposed(window.get(), 10000),
          QStringLiteral("the window was not exposed within 10 s"));
    // The compositor reports the decoration's size some time after mapping.
    (void)QTest::qWaitFor([&] { return window->frameGeometry().size() == QSize(800, 600); }, 3000);
    check(window->frameGeometry().size() == QSize(800, 600),
          QStringLiteral("the window is %1 x %2 outside, not 800 x 600")
              .arg(window->frameGeometry().width())
              .arg(window->frameGeometry().height()));
    check(!window->testAttribute(Qt::WA_Moved),
          QStringLiteral("the program placed its window itself"));

    // The Print button is locked while the banner shows.
    auto *print = window->findChild<QAbstractButton *>(QStringLiteral("cb_print"));
    check(print != nullptr, QStringLiteral("no Print button"));
    if (!print) return 1;
    check(QTest::qWaitFor([print] { return print->isEnabled(); }, 8000),
          QStringLiteral("the Print button is still locked after 8 s"));
    QTest::qWait(300);
    shoot(shots, QStringLiteral("weston.png"));

    // The dialogs are answered as they show: the question Yes, the save dialog
    // with the file's name.
    QStringList seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = shownDialog<QMessageBox>();
            box && box->windowHandle() && box->windowHandle()->isExposed()) {
            seen << box->text();
            answer.stop();
            shoot(shots, QStringLiteral("weston-question.png"));
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            answer.start();
        } else if (auto *save = shownDialog<QFileDialog>();
                   save && save->windowHandle() && save->windowHandle()->isExposed()) {
            seen << save->windowTitle();
            answer.stop();
            QTest::qWait(300);
            shoot(shots, QStringLiteral("weston-save.png"));
            save->selectFile(pdf);
            static_cast<QDialog *>(save)->accept();
        }
    });
    answer.start(100);
    QTimer::singleShot(20000, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(widget)) dialog->reject();
        check(false, QStringLiteral("the print was not done within 20 s"));
    });
    QTest::mouseClick(print, Qt::LeftButton);
    answer.stop();

    check(seen.size() == 2,
          QStringLiteral("dialogs seen: %1").arg(seen.join(QStringLiteral(", "))));
    QFile written(pdf);
    check(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-",
          QStringLiteral("no PDF written to %1").arg(pdf));
    if (failures == 0)
        std::printf("wayland: the window showed at 800 x 600 on %s and printed %s\n",
                    qPrintable(QGuiApplication::platformName()), qPrintable(pdf));
    return failures == 0 ? 0 : 1;
}
