#include "banner.h"
#include "fakeplatform.h"
#include "testdata.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPoint cellCentre(const ZelMain &w, int z)
{
    const CellRect &r = w.Cells[z];
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

} // namespace

TEST(StartUp, StateAtTheFirstWait)
{
    Started s(false);
    ZelMain &w = s.w();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zelvane"));
    EXPECT_EQ(w.frameGeometry().size(), QSize(800, 600));
    for (QWidget *control : w.bannerLockedControls())
        EXPECT_FALSE(control->isEnabled());
    // The banner is centred on the table picture's final place and size.
    EXPECT_EQ(w.pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_TRUE(w.lbl_about->isVisible());
    EXPECT_EQ(w.lbl_about->geometry(), QRect(125, 155, 540, 200));
    const QStringList lines = bannerText().split(QChar(13));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Zelvane  v1.0,")));
    EXPECT_EQ(w.pbprt->surface().image().size(), w.pb->surface().image().size());
    EXPECT_EQ(w.CurrentTab, 0);
    EXPECT_FALSE(w.tmElectron->isActive());
    EXPECT_EQ(w.tmElectron->interval(), 80); // speed 60 plus 20 for hydrogen's one level
    EXPECT_EQ(w.eScroll->maximum(), 118);
    // Element 1 is prepared on the hidden page.
    EXPECT_EQ(w.d_protons->text(), QStringLiteral("1"));
    EXPECT_FALSE(w.d_ring[1]->isVisibleTo(w.Frame4));
}

TEST(StartUp, TheBannerLocksTheControlsUntilItsOnlyTick)
{
    Started s(false);
    ZelMain &w = s.w();
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    QTest::mouseClick(w.cb_exit, Qt::LeftButton);
    QTest::mouseClick(w.pb, Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(w.CurrentTab, 0);
    EXPECT_EQ(s.platform.endRequests, 0);
    EXPECT_EQ(w.CurrentElement, 1);

    // Record the order in which the locked controls come back.
    struct Recorder : QObject
    {
        std::vector<QObject *> order;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::EnabledChange && static_cast<QWidget *>(o)->isEnabled())
                order.push_back(o);
            return false;
        }
    } recorder;
    const auto locked = w.bannerLockedControls();
    for (QWidget *control : locked)
        control->installEventFilter(&recorder);
    w.tmAbout_Timer();
    EXPECT_FALSE(w.lbl_about->isVisible());
    EXPECT_FALSE(w.tmAbout->isActive());
    EXPECT_EQ(recorder.order, std::vector<QObject *>(locked.begin(), locked.end()));
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.CurrentTab, 1);
}

TEST(StartUp, BadDataFilesStopTheProgramAndShortTablesDoNot)
{
    std::vector<ElementRecord> records;
    for (int z = 1; z <= 3; ++z)
        records.push_back(makeTestRecord(z));
    for (const auto &[bytes, expected] :
         {std::pair{QByteArray("\x02\x00", 2), QStringLiteral("elementDat.edb holds 0 whole records")},
          std::pair{makeEdbBytes(records, 5),
                    QStringLiteral("elementDat.edb holds 3 whole records, but its header promises 5")}}) {
        FakePlatform platform(bytes);
        EXPECT_FALSE(StartUp(platform));
        ASSERT_EQ(platform.errors.size(), 1u);
        EXPECT_TRUE(platform.errors[0].contains(expected)) << platform.errors[0].toStdString();
    }
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && qobject_cast<ZelMain *>(top));

    // An empty table and a short one start; element 1 is all there is to show when empty.
    for (int count : {0, 3}) {
        FakePlatform platform(makeEdbBytes(std::vector(records.begin(), records.begin() + count)));
        const std::unique_ptr<ZelMain> window = StartUp(platform);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->eScroll->maximum(), std::max(1, count));
    }
}

TEST(Tabs, SwitchingShowsOnePageMovesTheFocusAndRulesTheTimer)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.CurrentTab, 1);
    EXPECT_EQ(w.tab_Frame[0]->value(), 1);
    EXPECT_EQ(w.tab_Frame[1]->value(), 0);
    EXPECT_TRUE(w.E_Frame->isVisible());
    EXPECT_FALSE(w.pb->isVisible() || w.PT_Frame->isVisible() || w.lbl_click->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.eScroll);
    // Clicking the selected tab shows the same page again and leaves it raised.
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.tab_Frame[1]->value(), 0);
    EXPECT_TRUE(w.E_Frame->isVisible());
    w.ck_animate->setValue(1);

    QTest::mouseClick(w.tab_Frame[0], Qt::LeftButton);
    EXPECT_EQ(w.tab_Frame[0]->value(), 0);
    EXPECT_EQ(w.tab_Frame[1]->value(), 1);
    EXPECT_TRUE(w.pb->isVisible() && w.lbl_click->isVisible());
    EXPECT_FALSE(w.E_Frame->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.pb);
    EXPECT_FALSE(w.tmElectron->isActive());
    w.tab_Frame_Click(1);
    EXPECT_TRUE(w.tmElectron->isActive());

    // Clicked graphical controls keep no focus.
    QTest::mouseClick(w.ring_opt, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.pbData);
    s.platform.answer = false;
    QTest::mouseClick(w.cb_print, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.eScroll);

    // Inside a switch the guard absorbs the clicks the value changes raise.
    w.TabSwitchState = 2;
    w.tab_Frame_Click(0);
    EXPECT_EQ(w.CurrentTab, 1);
    w.TabSwitchState = 1;
    w.tab_Frame_Click(0);
    w.cb_exit->setFocus();
    w.SetTabFocus();
    EXPECT_EQ(QApplication::focusWidget(), w.pb);
}

TEST(TableClicks, HoverOutlinesACellAndAClickOpensIt)
{
    Started s;
    ZelMain &w = s.w();
    const CellRect &fe = w.Cells[26];
    const QImage table = w.pb->surface().image();
    QTest::mouseMove(w.pb, QPoint(fe.Left + 5, fe.Top + 5));
    EXPECT_EQ(w.HoverElement, 26);
    EXPECT_EQ(w.ptsel->geometry(), QRect(fe.Left - 1, fe.Top - 1, 43, 53));
    EXPECT_TRUE(w.ptsel->isVisibleTo(w.pb));
    QTest::mouseMove(w.pb, QPoint(fe.Right, fe.Top + 5)); // the last column selects nothing
    EXPECT_EQ(w.HoverElement, 0);
    EXPECT_FALSE(w.ptsel->isVisibleTo(w.pb));
    EXPECT_EQ(w.pb->surface().image(), table);

    QSignalSpy displays(&w, &ZelMain::displayed);
    QTest::mouseMove(w.pb, cellCentre(w, 26));
    QTest::mouseClick(w.pb, Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(displays.count(), 1);
    EXPECT_EQ(w.CurrentElement, 26);
    EXPECT_EQ(w.CurrentTab, 1);
    EXPECT_FALSE(w.ptsel->isVisibleTo(w.pb));
    // The element already shown is displayed again, once; the key cell opens nothing.
    w.tab_Frame_Click(0);
    w.pb_MouseMove(cellCentre(w, 26).x(), cellCentre(w, 26).y());
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.CurrentTab, 1);
    w.tab_Frame_Click(0);
    w.pb_MouseMove(330, 40);
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.CurrentTab, 0);
}

TEST(Navigation, TheScrollBarStepsThroughTheElements)
{
    Started s;
    ZelMain &w = s.w();
    w.tab_Frame_Click(1);
    QSignalSpy displays(&w, &ZelMain::displayed);
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, 2},    {Qt::Key_PageDown, 10},
                                             {Qt::Key_PageUp, 2},  {Qt::Key_PageUp, 1},
                                             {Qt::Key_Up, 1},      {Qt::Key_End, 118},
                                             {Qt::Key_Down, 118},  {Qt::Key_PageUp, 110}};
    for (const auto &[key, expected] : steps) {
        QTest::keyClick(w.eScroll, key);
        EXPECT_EQ(w.CurrentElement, expected);
    }
    EXPECT_EQ(displays.count(), 6); // the steps past either end show nothing new

    // Dragging the thumb shows nothing until it is released.
    w.eScroll->setSliderDown(true);
    w.eScroll->setSliderPosition(50);
    w.eScroll->setSliderPosition(60);
    EXPECT_EQ(displays.count(), 6);
    w.eScroll->setSliderDown(false);
    EXPECT_EQ(displays.count(), 7);
    EXPECT_EQ(w.d_protons->text(), QStringLiteral("60"));
}
TEST(AtomOptions, HandlersRedrawAndKeepTheTimerRule)
{
    Started s;
    ZelMain &w = s.w();
    w.tab_Frame_Click(1);
    w.eScroll->setValue(26); // iron: four levels, no extra 20 ms
    EXPECT_EQ(w.tmElectron->interval(), 60);

    // Animation off leaves one tick drawn over the saved background.
    EXPECT_NE(w.pbAtom->surface().image(), w.pbSave->surface().image());

    // Hidden paths: grey level numbers, level colours disabled but still checked.
    w.ck_dispRings->setValue(0);
    EXPECT_FALSE(w.ck_ColorRings->isEnabled());
    EXPECT_EQ(w.ck_ColorRings->value(), 1);
    EXPECT_EQ(w.d_ring[3]->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    w.ck_dispRings->setValue(1);
    EXPECT_TRUE(w.ck_ColorRings->isEnabled());
    EXPECT_EQ(w.d_ring[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // Animation on: the timer runs and the speed bar is usable; a redraw keeps it.
    w.ck_animate->setValue(1);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_TRUE(w.atScroll->isEnabled());
    w.tmElectron_Timer();
    // A layout switch rebuilds the paths and starts every electron at the top again.
    w.ring_opt->setValue(0);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_EQ(w.Atom.paths.at(2, 90), (AtomPoint{261, 200}));
    EXPECT_EQ(w.Atom.ElectronAngles[w.Atom.shells[4].FirstElectron], 1);
    w.cScroll->setValue(5);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_EQ(w.pbAtom->surface().pixel(0, 0), ColourWhite);
    w.ck_animate->setValue(0);
    EXPECT_FALSE(w.tmElectron->isActive());
    EXPECT_FALSE(w.atScroll->isEnabled());

    // The exit button ends the program at once.
    QTest::mouseClick(w.cb_exit, Qt::LeftButton);
    EXPECT_EQ(s.platform.endRequests, 1);
}
