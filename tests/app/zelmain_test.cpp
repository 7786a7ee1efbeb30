#include "fakeplatform.h"
#include "testdata.h"
#include "zelmod.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

// A scroll bar's range, page step and single step.
std::array<int, 4> steps(const QScrollBar *bar)
{
    return {bar->minimum(), bar->maximum(), bar->pageStep(), bar->singleStep()};
}

// The current tab, the two tabs' values, which of the element page, the table
// frame, the table picture and its caption are shown, and the focused control.
auto tabState(const ZelMain &w)
{
    const auto shown = [&](const char *name) { return control<QWidget>(w, name)->isVisible(); };
    const auto value = [&](const char *name) { return control<PictureButton>(w, name)->value(); };
    return std::tuple{w.currentTab(),     value("tab_Frame0"), value("tab_Frame1"),
                      shown("E_Frame"),   shown("PT_Frame"),   shown("pb"),
                      shown("lbl_click"), qApp->focusWidget()};
}

} // namespace

TEST(StartUp, BadDataStopsItAndTheBannerLocksTheControlsAndShortcutsUntilItsTimerTicks)
{
    std::vector<ElementRecord> records{makeTestRecord(1), makeTestRecord(2), makeTestRecord(3)};
    // A bad data file: no window and one message (the reader tests word it).
    FakePlatform bad(makeEdbBytes(records, 5));
    EXPECT_TRUE(!StartUp(bad) && bad.errors.size() == 1u);
    // An empty table and a short one start; element 1 is all there is to show when empty.
    for (const auto &[count, last] : {std::pair{0, 1}, {3, 3}}) {
        FakePlatform platform(makeEdbBytes(std::vector(records.begin(), records.begin() + count)));
        const std::unique_ptr<ZelMain> window = StartUp(platform);
        ASSERT_TRUE(window);
        EXPECT_EQ(control<QScrollBar>(*window, "eScroll")->maximum(), last);
    }
    FakePlatform platform;
    const std::unique_ptr<ZelMain> window = StartUp(platform);
    ASSERT_TRUE(window);
    ZelMain &w = *window;
    EXPECT_EQ(std::tuple(w.windowTitle(), w.frameGeometry().size()),
              std::tuple(QStringLiteral("Zelvane"), QSize(800, 600)));
    // The banner is centred on the table picture's final place and size, and is
    // the table's first accessible child while it shows.
    auto *lbl_about = control<QLabel>(w, "lbl_about");
    EXPECT_EQ(lbl_about->geometry(), QRect(125, 155, 540, 200));
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(control<QWidget>(w, "pb"));
    ASSERT_EQ(table->childCount(), 119);
    EXPECT_EQ(table->child(0)->object(), lbl_about);
    auto *tmElectron = control<QTimer>(w, "tmElectron"); // speed 60, 20 more for one level
    EXPECT_EQ(std::tuple(tmElectron->isActive(), tmElectron->interval()), std::tuple(false, 80));
    EXPECT_EQ(steps(control<QScrollBar>(w, "atScroll")), (std::array{1, 250, 20, 1}));
    EXPECT_FALSE(control<QScrollBar>(w, "atScroll")->isEnabled());
    EXPECT_EQ(steps(control<QScrollBar>(w, "cScroll")), (std::array{0, 5, 5, 1}));
    EXPECT_EQ(steps(control<QScrollBar>(w, "eScroll")), (std::array{1, 118, 8, 1}));

    const auto locked = {"tab_Frame0", "tab_Frame1", "pb", "cb_print", "cb_exit", "viewPanel"};
    for (const char *name : locked)
        EXPECT_FALSE(control<QWidget>(w, name)->isEnabled()) << name;
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(control<PictureButton>(w, "tab_Frame1"), Qt::LeftButton);
    QTest::mouseClick(control<PictureButton>(w, "cb_exit"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    // An element asked for on the command line waits for the banner to go.
    w.openAfterBanner(26);
    EXPECT_EQ(std::tuple(w.currentTab(), w.currentElement(), platform.endRequests,
                         platform.questions.size()),
              std::tuple(0, 1, 0, 0u));
    auto *tmAbout = control<QTimer>(w, "tmAbout");
    EXPECT_EQ(std::tuple(tmAbout->isActive(), tmAbout->interval()), std::tuple(true, 4000));
    ASSERT_TRUE(QMetaObject::invokeMethod(tmAbout, "timeout"));
    EXPECT_FALSE(lbl_about->isVisible() || tmAbout->isActive());
    for (const char *name : locked)
        EXPECT_TRUE(control<QWidget>(w, name)->isEnabled()) << name;
    // The page is drawn when first shown, here with the element asked for.
    EXPECT_EQ(
        std::tuple(w.currentTab(), w.currentElement(), control<QLabel>(w, "d_protons")->text()),
        std::tuple(1, 26, QStringLiteral("26")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 0);
}

// The window draws the table from the records it is given (as the command line
// gives them), else from the file: iron's weight changed shows in the table.
TEST(StartUp, TheTableIsDrawnFromTheRecordsRead)
{
    FakePlatform platform;
    ElementData heavier = shippedData();
    heavier.ElementTable[26].AtomicWeight = 55.85;
    const std::unique_ptr<ZelMain> windows[] = {
        StartUp(platform), StartUp(platform, &shippedData()), StartUp(platform, &heavier)};
    ASSERT_TRUE(windows[0] && windows[1] && windows[2]);
    const auto table = [&windows](int i) {
        return control<PictureBox>(*windows[i], "pb")->surface().image();
    };
    EXPECT_TRUE(table(1) == table(0));
    EXPECT_FALSE(table(2) == table(0));
}

using Tabs = App;

TEST_F(Tabs, SwitchingShowsOnePageAndRulesTheTimerWhileClicksAndTabMoveTheFocus)
{
    activate();
    // Clicking the selected tab again shows the same page and leaves the tab raised.
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(elementTab, Qt::LeftButton);
        EXPECT_EQ(tabState(w), std::tuple(1, 1, 0, true, false, false, false, eScroll));
    }
    ck_animate->setValue(1);
    QTest::mouseClick(tableTab, Qt::LeftButton);
    EXPECT_EQ(tabState(w), std::tuple(0, 0, 1, false, true, true, true, pb));
    w.tab_Frame_Click(1);
    // Clicked controls keep no focus: options pass it to the sheet, buttons to
    // the page's main control.
    QTest::mouseClick(control<PictureButton>(w, "ring_opt"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), pbData);
    platform.answer = false;
    QTest::mouseClick(control<PictureButton>(w, "cb_print"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), eScroll);

    // A minimised window stops the animation on the Element page; restored, it
    // animates again. The table page's timer stays stopped either way.
    for (const auto &[tab, animates] : {std::pair{0, false}, {1, true}}) {
        w.tab_Frame_Click(tab);
        w.setWindowState(Qt::WindowMinimized);
        EXPECT_FALSE(tmElectron->isActive()) << tab;
        w.setWindowState(Qt::WindowNoState);
        EXPECT_EQ(tmElectron->isActive(), animates) << tab;
    }
    ck_animate->setValue(0);
    // From the element bar: the atom, Exit, Print, the header's About link, then
    // (the table picture being hidden and the speed bar disabled) the background
    // bar, the sheet, and round.
    for (const char *name :
         {"pbAtom", "cb_exit", "cb_print", "Label3", "cScroll", "pbData", "eScroll"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(w, name)) << name;
    }
    // A right click, or a press released outside, changes no toggle or tab and
    // moves the focus on as a left click does.
    for (const auto &[button, from, to] :
         {std::tuple<PictureButton *, QWidget *, QWidget *>{ck_animate, eScroll, pbData},
          {tableTab, pbData, eScroll}})
        for (const auto &[mouse, at] : {std::pair{Qt::RightButton, QPoint()},
                                        {Qt::RightButton, QPoint(-20, -20)},
                                        {Qt::LeftButton, QPoint(-20, -20)}}) {
            from->setFocus();
            QTest::mousePress(button, mouse);
            QTest::mouseRelease(button, mouse, {}, at);
            EXPECT_EQ(std::tuple(ck_animate->value(), w.currentTab(), QApplication::focusWidget()),
                      std::tuple(0, 1, to))
                << button->objectName().toStdString() << " " << at.x();
        }
}

TEST_F(App, HoverOutlinesATableCellAClickOpensItAndTheBarSteps)
{
    auto *ptsel = control<QWidget>(w, "ptsel");
    const CellRect &fe = w.cells()[26];
    QTest::mouseMove(pb, QPoint(fe.Left + 5, fe.Top + 5));
    EXPECT_EQ(std::tuple(w.hoverElement(), ptsel->isVisibleTo(pb)), std::tuple(26, true));
    EXPECT_EQ(ptsel->geometry(), QRect(fe.Left - 1, fe.Top - 1, 43, 53));
    const QImage outlined = pb->grab().toImage(); // green, two pixels wide
    EXPECT_EQ(
        std::pair(outlined.pixel(fe.Left - 1, fe.Top + 9), outlined.pixel(fe.Left, fe.Top + 9)),
        std::pair(0xFF00FF00u, 0xFF00FF00u));
    QTest::mouseMove(pb, QPoint(fe.Right, fe.Top + 5)); // the last column selects nothing
    EXPECT_EQ(std::tuple(w.hoverElement(), ptsel->isVisibleTo(pb)), std::tuple(0, false));

    QSignalSpy displays(&w, &ZelMain::displayed);
    const QPoint centre((fe.Left + fe.Right) / 2, (fe.Top + fe.Bottom) / 2);
    QTest::mouseMove(pb, centre);
    QTest::mouseClick(pb, Qt::LeftButton, {}, centre);
    EXPECT_EQ(
        std::tuple(displays.count(), w.currentElement(), w.currentTab(), ptsel->isVisibleTo(pb)),
        std::tuple(1, 26, 1, false));
    // The element already shown is displayed again, once; the key cell opens nothing.
    for (const auto &[at, tab] : {std::pair{centre, 1}, {QPoint(330, 40), 0}}) {
        w.tab_Frame_Click(0);
        w.pb_MouseMove(at.x(), at.y());
        w.pb_Click();
        EXPECT_EQ(std::tuple(displays.count(), w.currentTab()), std::tuple(2, tab));
    }
    // The element bar steps through the elements.
    w.tab_Frame_Click(1);
    eScroll->setValue(1);
    displays.clear();
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Down, 2}, {Qt::Key_PageDown, 10}, {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 1},
        {Qt::Key_Up, 1},   {Qt::Key_End, 118},     {Qt::Key_Down, 118}, {Qt::Key_PageUp, 110}};
    for (const auto &[key, expected] : walk) {
        QTest::keyClick(eScroll, key);
        EXPECT_EQ(w.currentElement(), expected);
    }
    // The steps past either end show nothing new; dragging the thumb shows
    // nothing until it is released.
    eScroll->setSliderDown(true);
    eScroll->setSliderPosition(60);
    EXPECT_EQ(displays.count(), 6);
    eScroll->setSliderDown(false);
    EXPECT_EQ(std::tuple(displays.count(), control<QLabel>(w, "d_protons")->text()),
              std::tuple(7, QStringLiteral("60")));
}

TEST_F(App, AtomOptionsRedrawAndKeepTheTimerRule)
{
    auto *ck_ColorRings = control<PictureButton>(w, "ck_ColorRings");
    w.tab_Frame_Click(1);
    eScroll->setValue(26); // iron: four levels, no extra 20 ms
    EXPECT_EQ(tmElectron->interval(), 60);
    // Hidden paths: grey level numbers, level colours disabled but still checked.
    control<PictureButton>(w, "ck_dispRings")->setValue(0);
    EXPECT_EQ(std::tuple(ck_ColorRings->isEnabled(), ck_ColorRings->value()), std::tuple(false, 1));
    EXPECT_EQ(control<QLabel>(w, "d_ring3")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
    control<PictureButton>(w, "ck_dispRings")->setValue(1);
    EXPECT_TRUE(ck_ColorRings->isEnabled());

    // Animation on: the timer runs and the speed bar is usable; redraws keep it.
    ck_animate->setValue(1);
    EXPECT_TRUE(tmElectron->isActive() && atScroll->isEnabled());
    w.tmElectron_Timer();
    // A layout switch rebuilds the paths and starts every electron at the top again.
    control<PictureButton>(w, "ring_opt")->setValue(0);
    const AtomModel &atom = w.atom();
    EXPECT_EQ(atom.paths.at(2, 90), (AtomPoint{261, 200}));
    EXPECT_EQ(atom.ElectronAngles[atom.shells[4].FirstElectron], 1);
    cScroll->setValue(5);
    EXPECT_EQ(std::tuple(tmElectron->isActive(), pbAtom->surface().pixel(0, 0)),
              std::tuple(true, 0xFFFFFFu));
    ck_animate->setValue(0);
    EXPECT_FALSE(tmElectron->isActive() || atScroll->isEnabled());

    // The exit button ends the program at once.
    QTest::mouseClick(control<PictureButton>(w, "cb_exit"), Qt::LeftButton);
    EXPECT_EQ(platform.endRequests, 1);
}
