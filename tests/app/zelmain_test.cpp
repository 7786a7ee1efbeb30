#include "banner.h"
#include "fakeplatform.h"
#include "testdata.h"
#include "windowcontrol.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPoint cellCentre(const ZelMain &w, int z)
{
    const CellRect &r = w.cells()[z];
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
    auto *pb = control<PictureBox>(w, "pb");
    auto *lbl_about = control<QLabel>(w, "lbl_about");
    EXPECT_EQ(pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_TRUE(lbl_about->isVisible());
    EXPECT_EQ(lbl_about->geometry(), QRect(125, 155, 540, 200));
    const QStringList lines = bannerText().split(QChar(13));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Zelvane  v1.0,")));
    EXPECT_EQ(control<PictureBox>(w, "pbprt")->surface().image().size(),
              pb->surface().image().size());
    EXPECT_EQ(w.currentTab(), 0);
    auto *tmElectron = control<QTimer>(w, "tmElectron");
    EXPECT_FALSE(tmElectron->isActive());
    EXPECT_EQ(tmElectron->interval(), 80); // speed 60 plus 20 for hydrogen's one level
    EXPECT_EQ(control<QScrollBar>(w, "eScroll")->maximum(), 118);
    // Element 1 is prepared on the hidden page.
    EXPECT_EQ(control<QLabel>(w, "d_protons")->text(), QStringLiteral("1"));
    EXPECT_FALSE(control<QLabel>(w, "d_ring1")->isVisibleTo(control<QWidget>(w, "Frame4")));
}

TEST(StartUp, TheBannerLocksTheControlsUntilItsOnlyTick)
{
    Started s(false);
    ZelMain &w = s.w();
    auto *elementTab = control<PictureButton>(w, "tab_Frame1");
    QTest::mouseClick(elementTab, Qt::LeftButton);
    QTest::mouseClick(control<PictureButton>(w, "cb_exit"), Qt::LeftButton);
    QTest::mouseClick(control<PictureBox>(w, "pb"), Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(w.currentTab(), 0);
    EXPECT_EQ(s.platform.endRequests, 0);
    EXPECT_EQ(w.currentElement(), 1);

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
    EXPECT_FALSE(control<QLabel>(w, "lbl_about")->isVisible());
    EXPECT_FALSE(control<QTimer>(w, "tmAbout")->isActive());
    EXPECT_EQ(recorder.order, std::vector<QObject *>(locked.begin(), locked.end()));
    QTest::mouseClick(elementTab, Qt::LeftButton);
    EXPECT_EQ(w.currentTab(), 1);
}

TEST(StartUp, BadDataFilesStopTheProgramAndShortTablesDoNot)
{
    std::vector<ElementRecord> records;
    for (int z = 1; z <= 3; ++z)
        records.push_back(makeTestRecord(z));
    for (const auto &[bytes, expected] :
         {std::pair{QByteArray("\x02\x00", 2),
                    QStringLiteral("elementDat.edb holds 0 whole records")},
          std::pair{
              makeEdbBytes(records, 5),
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
        EXPECT_EQ(control<QScrollBar>(*window, "eScroll")->maximum(), std::max(1, count));
    }
}

TEST(Tabs, SwitchingShowsOnePageMovesTheFocusAndRulesTheTimer)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    auto *tableTab = control<PictureButton>(w, "tab_Frame0");
    auto *elementTab = control<PictureButton>(w, "tab_Frame1");
    auto *pb = control<PictureBox>(w, "pb");
    auto *E_Frame = control<QWidget>(w, "E_Frame");
    auto *lbl_click = control<QLabel>(w, "lbl_click");
    auto *eScroll = control<QScrollBar>(w, "eScroll");
    auto *tmElectron = control<QTimer>(w, "tmElectron");
    QTest::mouseClick(elementTab, Qt::LeftButton);
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_EQ(tableTab->value(), 1);
    EXPECT_EQ(elementTab->value(), 0);
    EXPECT_TRUE(E_Frame->isVisible());
    EXPECT_FALSE(pb->isVisible() || control<QWidget>(w, "PT_Frame")->isVisible() ||
                 lbl_click->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), eScroll);
    // Clicking the selected tab shows the same page again and leaves it raised.
    QTest::mouseClick(elementTab, Qt::LeftButton);
    EXPECT_EQ(elementTab->value(), 0);
    EXPECT_TRUE(E_Frame->isVisible());
    control<PictureButton>(w, "ck_animate")->setValue(1);

    QTest::mouseClick(tableTab, Qt::LeftButton);
    EXPECT_EQ(tableTab->value(), 0);
    EXPECT_EQ(elementTab->value(), 1);
    EXPECT_TRUE(pb->isVisible() && lbl_click->isVisible());
    EXPECT_FALSE(E_Frame->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), pb);
    EXPECT_FALSE(tmElectron->isActive());
    w.tab_Frame_Click(1);
    EXPECT_TRUE(tmElectron->isActive());

    // Clicked graphical controls keep no focus.
    QTest::mouseClick(control<PictureButton>(w, "ring_opt"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control<PictureBox>(w, "pbData"));
    s.platform.answer = false;
    QTest::mouseClick(control<PictureButton>(w, "cb_print"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), eScroll);
}

TEST(Focus, TabOrderAndClickedTogglesKeepingNoFocusWhateverTheClick)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    w.tab_Frame_Click(1);
    // Tab from the element scroll bar: the atom, Exit, Print, then (the table
    // picture being hidden and the speed bar disabled) the background bar and
    // the sheet, and round again.
    const char *order[] = {"pbAtom", "cb_exit", "cb_print", "cScroll", "pbData", "eScroll"};
    for (const char *name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(w, name)) << name;
    }
    // A right click, or a press released outside, changes no toggle and leaves
    // the focus on the sheet or the page's main control.
    auto *animate = control<PictureButton>(w, "ck_animate");
    auto *pbData = control<PictureBox>(w, "pbData");
    auto *eScroll = control<QScrollBar>(w, "eScroll");
    QTest::mouseClick(animate, Qt::RightButton);
    EXPECT_EQ(animate->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), pbData);
    eScroll->setFocus();
    QTest::mousePress(animate, Qt::LeftButton);
    QTest::mouseRelease(animate, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(animate->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), pbData);
    auto *tableTab = control<PictureButton>(w, "tab_Frame0");
    QTest::mouseClick(tableTab, Qt::RightButton);
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_EQ(QApplication::focusWidget(), eScroll);
    QTest::mousePress(tableTab, Qt::LeftButton);
    QTest::mouseRelease(tableTab, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_EQ(QApplication::focusWidget(), eScroll);
}

// Inside a switch the guard absorbs the clicks the value changes raise: the
// element tab is released while the switch to the table is under way, and a
// click on it then changes nothing.
TEST(Tabs, TheSwitchGuardAbsorbsTheClicksOfItsOwnChanges)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    w.tab_Frame_Click(1);
    auto *tableTab = control<PictureButton>(w, "tab_Frame0");
    auto *elementTab = control<PictureButton>(w, "tab_Frame1");
    int clicksInsideTheSwitch = 0;
    const auto connection = QObject::connect(elementTab, &QAbstractButton::toggled, &w, [&] {
        ++clicksInsideTheSwitch;
        w.tab_Frame_Click(1);
        EXPECT_EQ(w.currentTab(), 1); // the switch has not finished yet
    });
    QTest::mouseClick(tableTab, Qt::LeftButton);
    QObject::disconnect(connection);
    EXPECT_EQ(clicksInsideTheSwitch, 1);
    EXPECT_EQ(w.currentTab(), 0);
    EXPECT_EQ(tableTab->value(), 0);
    EXPECT_EQ(elementTab->value(), 1);
    EXPECT_TRUE(control<PictureBox>(w, "pb")->isVisible());
    EXPECT_FALSE(control<QWidget>(w, "E_Frame")->isVisible());
    control<PictureButton>(w, "cb_exit")->setFocus();
    w.SetTabFocus();
    EXPECT_EQ(QApplication::focusWidget(), control<PictureBox>(w, "pb"));
}

TEST(TableClicks, HoverOutlinesACellAndAClickOpensIt)
{
    Started s;
    ZelMain &w = s.w();
    auto *pb = control<PictureBox>(w, "pb");
    auto *ptsel = control<QWidget>(w, "ptsel");
    const CellRect &fe = w.cells()[26];
    const QImage table = pb->surface().image();
    QTest::mouseMove(pb, QPoint(fe.Left + 5, fe.Top + 5));
    EXPECT_EQ(w.hoverElement(), 26);
    EXPECT_EQ(ptsel->geometry(), QRect(fe.Left - 1, fe.Top - 1, 43, 53));
    EXPECT_TRUE(ptsel->isVisibleTo(pb));
    QTest::mouseMove(pb, QPoint(fe.Right, fe.Top + 5)); // the last column selects nothing
    EXPECT_EQ(w.hoverElement(), 0);
    EXPECT_FALSE(ptsel->isVisibleTo(pb));
    EXPECT_EQ(pb->surface().image(), table);

    QSignalSpy displays(&w, &ZelMain::displayed);
    QTest::mouseMove(pb, cellCentre(w, 26));
    QTest::mouseClick(pb, Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(displays.count(), 1);
    EXPECT_EQ(w.currentElement(), 26);
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_FALSE(ptsel->isVisibleTo(pb));
    // The element already shown is displayed again, once; the key cell opens nothing.
    w.tab_Frame_Click(0);
    w.pb_MouseMove(cellCentre(w, 26).x(), cellCentre(w, 26).y());
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.currentTab(), 1);
    w.tab_Frame_Click(0);
    w.pb_MouseMove(330, 40);
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.currentTab(), 0);
}

TEST(Navigation, TheScrollBarStepsThroughTheElements)
{
    Started s;
    ZelMain &w = s.w();
    auto *eScroll = control<QScrollBar>(w, "eScroll");
    w.tab_Frame_Click(1);
    QSignalSpy displays(&w, &ZelMain::displayed);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Down, 2}, {Qt::Key_PageDown, 10}, {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 1},
        {Qt::Key_Up, 1},   {Qt::Key_End, 118},     {Qt::Key_Down, 118}, {Qt::Key_PageUp, 110}};
    for (const auto &[key, expected] : steps) {
        QTest::keyClick(eScroll, key);
        EXPECT_EQ(w.currentElement(), expected);
    }
    EXPECT_EQ(displays.count(), 6); // the steps past either end show nothing new

    // Dragging the thumb shows nothing until it is released.
    eScroll->setSliderDown(true);
    eScroll->setSliderPosition(50);
    eScroll->setSliderPosition(60);
    EXPECT_EQ(displays.count(), 6);
    eScroll->setSliderDown(false);
    EXPECT_EQ(displays.count(), 7);
    EXPECT_EQ(control<QLabel>(w, "d_protons")->text(), QStringLiteral("60"));
}

TEST(AtomOptions, HandlersRedrawAndKeepTheTimerRule)
{
    Started s;
    ZelMain &w = s.w();
    auto *tmElectron = control<QTimer>(w, "tmElectron");
    auto *pbAtom = control<PictureBox>(w, "pbAtom");
    auto *ck_animate = control<PictureButton>(w, "ck_animate");
    auto *ck_ColorRings = control<PictureButton>(w, "ck_ColorRings");
    auto *ck_dispRings = control<PictureButton>(w, "ck_dispRings");
    auto *atScroll = control<QScrollBar>(w, "atScroll");
    w.tab_Frame_Click(1);
    control<QScrollBar>(w, "eScroll")->setValue(26); // iron: four levels, no extra 20 ms
    EXPECT_EQ(tmElectron->interval(), 60);

    // Animation off leaves one tick drawn over the saved background.
    EXPECT_NE(pbAtom->surface().image(), control<PictureBox>(w, "pbSave")->surface().image());

    // Hidden paths: grey level numbers, level colours disabled but still checked.
    ck_dispRings->setValue(0);
    EXPECT_FALSE(ck_ColorRings->isEnabled());
    EXPECT_EQ(ck_ColorRings->value(), 1);
    EXPECT_EQ(control<QLabel>(w, "d_ring3")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
    ck_dispRings->setValue(1);
    EXPECT_TRUE(ck_ColorRings->isEnabled());
    EXPECT_EQ(control<QLabel>(w, "d_ring0")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));

    // Animation on: the timer runs and the speed bar is usable; a redraw keeps it.
    ck_animate->setValue(1);
    EXPECT_TRUE(tmElectron->isActive());
    EXPECT_TRUE(atScroll->isEnabled());
    w.tmElectron_Timer();
    // A layout switch rebuilds the paths and starts every electron at the top again.
    control<PictureButton>(w, "ring_opt")->setValue(0);
    EXPECT_TRUE(tmElectron->isActive());
    const AtomModel &atom = w.atom();
    EXPECT_EQ(atom.paths.at(2, 90), (AtomPoint{261, 200}));
    EXPECT_EQ(atom.ElectronAngles[atom.shells[4].FirstElectron], 1);
    control<QScrollBar>(w, "cScroll")->setValue(5);
    EXPECT_TRUE(tmElectron->isActive());
    EXPECT_EQ(pbAtom->surface().pixel(0, 0), ColourWhite);
    ck_animate->setValue(0);
    EXPECT_FALSE(tmElectron->isActive());
    EXPECT_FALSE(atScroll->isEnabled());

    // The exit button ends the program at once.
    QTest::mouseClick(control<PictureButton>(w, "cb_exit"), Qt::LeftButton);
    EXPECT_EQ(s.platform.endRequests, 1);
}
