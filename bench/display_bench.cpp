#include "pageprinter.h"
#include "platform.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

// Runs the real window on the shipped data; nothing is ever printed.
class BenchPlatform : public Platform, public PagePrinter
{
public:
    QString executableDir() const override
    {
        return QFileInfo(QStringLiteral(ZELVANE_EDB_PATH)).absolutePath();
    }
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    void showStartupError(const QString &) override {}
    void showError(QWidget *, const QString &, const QString &) override {}
    void endProgram() override {}
    PagePrinter &printer() override { return *this; }
    bool chooseDestination(QWidget *) override { return false; }
    QSizeF printableSize(PageOrientation) override { return {}; }
    bool printPage(const PageCanvas &, PageOrientation) override { return false; }
    QString failure() const override { return {}; }
};

} // namespace

// The whole element display on screen: sheet, legend, nucleus, paths, saved
// background and the one tick drawn with the animation off.
static void BM_DispAtom(benchmark::State &state)
{
    BenchPlatform platform;
    const std::unique_ptr<ZelMain> window = StartUp(platform);
    if (!window) {
        state.SkipWithError("the program did not start");
        return;
    }
    window->tmAbout_Timer();
    window->tab_Frame_Click(1);
    const auto n = qint16(state.range(0));
    for (auto _ : state)
        window->DispAtom(n);
}
BENCHMARK(BM_DispAtom)->Arg(1)->Arg(26)->Arg(92)->Arg(118)->Unit(benchmark::kMillisecond);
