#include "banner.h"
#include "fakeplatform.h"
#include "testdata.h"
#include "zelmain.h"
#include "zelmod.h"

#include "elementtsv.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Starts the program on the fake platform and ends the banner, as four seconds do.
struct Started
{
    FakePlatform platform;
    std::unique_ptr<ZelMain> window = StartUp(platform);

    explicit Started(bool endBanner = true)
    {
        EXPECT_TRUE(window);
        if (window && endBanner)
            window->tmAbout_Timer();
    }
    ZelMain &w() { return *window; }
    void activate()
    {
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

// The centre of an element's cell in pb.
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
    EXPECT_TRUE(w.isVisible());
    for (QWidget *control : w.bannerLockedControls())
        EXPECT_FALSE(control->isEnabled());
    EXPECT_TRUE(w.tmAbout->isActive());
    EXPECT_EQ(w.tmAbout->interval(), 4000);

    // The table picture takes its final place and size; the banner is centred on it.
    EXPECT_EQ(w.pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_EQ(w.PT_Frame->geometry(), w.E_Frame->geometry());
    EXPECT_TRUE(w.lbl_about->isVisible());
    EXPECT_EQ(w.lbl_about->geometry(), QRect(125, 155, 540, 200));
    const QStringList lines = bannerText().split(QChar(13));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Zelvane  v1.0,")));
    EXPECT_TRUE(lines[0].isEmpty() && lines[1].isEmpty() && lines[3].isEmpty());
    EXPECT_EQ(w.pbprt->surface().width(), w.pb->surface().width());
    EXPECT_EQ(w.pbprt->surface().height(), w.pb->surface().height());

    EXPECT_EQ(w.CurrentTab, 0);
    EXPECT_EQ(w.TabSwitchState, 1);
    EXPECT_EQ(w.PrintMode, 0);
    EXPECT_FALSE(w.tmElectron->isActive());
    EXPECT_EQ(w.tmElectron->interval(), 80); // speed 60 plus 20 for hydrogen's one level
    EXPECT_EQ(w.atScroll->value(), 60);
    EXPECT_FALSE(w.atScroll->isEnabled());
    EXPECT_EQ(w.eScroll->maximum(), w.Elements.ElementCount);
    EXPECT_EQ(w.Elements.ElementCount, 118);
    EXPECT_FALSE(w.E_Frame->isVisible());
    EXPECT_TRUE(w.lbl_click->isVisible());
    EXPECT_FALSE(w.ptsel->isVisible());

    // Element 1 is prepared on the hidden page.
    EXPECT_EQ(w.CurrentElement, 1);
    EXPECT_EQ(w.d_protons->text(), QStringLiteral("1"));
    EXPECT_EQ(w.d_electrons->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.d_ring[0]->isVisibleTo(w.Frame4));
    EXPECT_FALSE(w.d_ring[1]->isVisibleTo(w.Frame4));
}

TEST(StartUp, BannerTickEndsItOnceAndUnlocksTheControlsInOrder)
{
    Started s(false);
    ZelMain &w = s.w();
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
    for (QWidget *control : w.bannerLockedControls())
        control->installEventFilter(&recorder);

    w.tmAbout_Timer();
    EXPECT_FALSE(w.lbl_about->isVisible());
    EXPECT_FALSE(w.tmAbout->isActive());
    const auto locked = w.bannerLockedControls();
    EXPECT_EQ(recorder.order, std::vector<QObject *>(locked.begin(), locked.end()));
    for (QWidget *control : locked)
        EXPECT_TRUE(control->isEnabled());
}

TEST(StartUp, ClicksDuringTheBannerReachNothing)
{
    Started s(false);
    ZelMain &w = s.w();
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    QTest::mouseClick(w.cb_exit, Qt::LeftButton);
    QTest::mouseClick(w.pb, Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(w.CurrentTab, 0);
    EXPECT_EQ(s.platform.endRequests, 0);
    EXPECT_EQ(w.CurrentElement, 1);
    w.tmAbout_Timer();
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.CurrentTab, 1);
}

TEST(StartUp, BadDataFilesStopTheProgramWithAMessage)
{
    std::vector<ElementRecord> records;
    for (int z = 1; z <= 3; ++z)
        records.push_back(makeTestRecord(z));
    std::vector<ElementRecord> badState = records;
    badState[1].State = 9;

    struct Case
    {
        const char *what;
        std::optional<QByteArray> bytes; // none: no file at all
        QString expected;
    };
    const std::vector<Case> cases = {
        {"missing", std::nullopt, QStringLiteral("elementDat.edb was not found")},
        {"over 118", makeEdbBytes(records, 200), QStringLiteral("more than 118")},
        {"short", makeEdbBytes(records, 5),
         QStringLiteral("elementDat.edb holds 3 whole records, but its header promises 5")},
        {"bad value", makeEdbBytes(badState), QStringLiteral("record 2: State 9")},
    };
    for (const Case &c : cases) {
        FakePlatform platform(c.bytes.value_or(QByteArray()));
        if (!c.bytes)
            QFile::remove(platform.executableDir() + QStringLiteral("/elementDat.edb"));
        const std::unique_ptr<ZelMain> window = StartUp(platform);
        EXPECT_FALSE(window) << c.what;
        ASSERT_EQ(platform.errors.size(), 1u) << c.what;
        EXPECT_TRUE(platform.errors[0].contains(c.expected))
            << c.what << ": " << platform.errors[0].toStdString();
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(top->isVisible() && qobject_cast<ZelMain *>(top)) << c.what;
    }
}

TEST(StartUp, EmptyOrShortTablesStillStart)
{
    for (int count : {0, 3}) {
        std::vector<ElementRecord> records;
        for (int z = 1; z <= count; ++z)
            records.push_back(makeTestRecord(z));
        FakePlatform platform(makeEdbBytes(records, count));
        const std::unique_ptr<ZelMain> window = StartUp(platform);
        ASSERT_TRUE(window) << count;
        EXPECT_EQ(window->Elements.ElementCount, count);
        EXPECT_EQ(window->eScroll->maximum(), std::max(1, count));
        EXPECT_TRUE(platform.errors.empty());
    }
}

TEST(Tabs, SwitchingShowsOnePageAndSetsTheTabFaces)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();

    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.CurrentTab, 1);
    EXPECT_EQ(w.TabSwitchState, 1);
    EXPECT_EQ(w.tab_Frame[0]->value(), 1);
    EXPECT_EQ(w.tab_Frame[1]->value(), 0);
    EXPECT_TRUE(w.E_Frame->isVisible());
    EXPECT_FALSE(w.PT_Frame->isVisible());
    EXPECT_FALSE(w.pb->isVisible());
    EXPECT_FALSE(w.lbl_click->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.eScroll);

    // Clicking the selected tab shows the same page again and leaves it raised.
    QTest::mouseClick(w.tab_Frame[1], Qt::LeftButton);
    EXPECT_EQ(w.tab_Frame[1]->value(), 0);
    EXPECT_TRUE(w.E_Frame->isVisible());

    QTest::mouseClick(w.tab_Frame[0], Qt::LeftButton);
    EXPECT_EQ(w.CurrentTab, 0);
    EXPECT_EQ(w.tab_Frame[0]->value(), 0);
    EXPECT_EQ(w.tab_Frame[1]->value(), 1);
    EXPECT_TRUE(w.pb->isVisible());
    EXPECT_TRUE(w.lbl_click->isVisible());
    EXPECT_FALSE(w.E_Frame->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.pb);
    // The hidden tabs were never shown and stay pressed in.
    EXPECT_FALSE(w.tab_Frame[2]->isVisible());
    EXPECT_EQ(w.tab_Frame[2]->value(), 1);

    // Inside a switch the guard absorbs the clicks the value changes raise.
    w.TabSwitchState = 2;
    w.tab_Frame_Click(1);
    EXPECT_EQ(w.CurrentTab, 0);
}

TEST(Tabs, TheTablePageStopsTheAnimationAndTheElementPageRestoresIt)
{
    Started s;
    ZelMain &w = s.w();
    w.tab_Frame_Click(1);
    EXPECT_FALSE(w.tmElectron->isActive());
    w.ck_animate->setValue(1);
    EXPECT_TRUE(w.tmElectron->isActive());
    w.tab_Frame_Click(0);
    EXPECT_FALSE(w.tmElectron->isActive());
    w.tab_Frame_Click(1);
    EXPECT_TRUE(w.tmElectron->isActive());
    w.ck_animate->setValue(0);
    w.tab_Frame_Click(0);
    w.tab_Frame_Click(1);
    EXPECT_FALSE(w.tmElectron->isActive());
}

TEST(Focus, ClickedGraphicalControlsDoNotKeepIt)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    w.tab_Frame_Click(1);
    QTest::mouseClick(w.ring_opt, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.pbData);
    s.platform.answer = false;
    QTest::mouseClick(w.cb_print, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.eScroll);
    w.tab_Frame_Click(0);
    w.pbData->setFocus();
    QTest::mouseClick(w.cb_print, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.pb);
    // The Tab key never lands on a check box.
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const auto *button = qobject_cast<PictureButton *>(QApplication::focusWidget());
        EXPECT_TRUE(!button || !button->isCheckable());
    }
}

TEST(TableClicks, HoverOutlinesACellAndAClickOpensIt)
{
    Started s;
    ZelMain &w = s.w();
    const CellRect &fe = w.Cells[26];
    QTest::mouseMove(w.pb, QPoint(fe.Left + 5, fe.Top + 5));
    EXPECT_EQ(w.HoverElement, 26);
    EXPECT_TRUE(w.ptsel->isVisibleTo(w.pb));
    EXPECT_EQ(w.ptsel->geometry(), QRect(fe.Left - 1, fe.Top - 1, 43, 53));
    // The outline leaves the table's image alone.
    const QImage before = w.pb->surface().image();
    QTest::mouseMove(w.pb, QPoint(fe.Right, fe.Top + 5)); // the last column selects nothing
    EXPECT_EQ(w.HoverElement, 0);
    EXPECT_FALSE(w.ptsel->isVisibleTo(w.pb));
    EXPECT_EQ(w.pb->surface().image(), before);

    QSignalSpy displays(&w, &ZelMain::displayed);
    QTest::mouseMove(w.pb, cellCentre(w, 26));
    QTest::mouseClick(w.pb, Qt::LeftButton, {}, cellCentre(w, 26));
    EXPECT_EQ(displays.count(), 1);
    EXPECT_EQ(w.eScroll->value(), 26);
    EXPECT_EQ(w.CurrentElement, 26);
    EXPECT_EQ(w.CurrentTab, 1);
    EXPECT_FALSE(w.ptsel->isVisibleTo(w.pb));
    EXPECT_EQ(w.d_protons->text(), QStringLiteral("26"));

    // The element already shown is displayed again, once.
    w.tab_Frame_Click(0);
    w.pb_MouseMove(cellCentre(w, 26).x(), cellCentre(w, 26).y());
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.CurrentTab, 1);

    // Over the key cell nothing is selected and a click does nothing.
    w.tab_Frame_Click(0);
    w.pb_MouseMove(330, 40);
    EXPECT_EQ(w.HoverElement, 0);
    w.pb_Click();
    EXPECT_EQ(displays.count(), 2);
    EXPECT_EQ(w.CurrentTab, 0);
}

TEST(Navigation, TheScrollBarStepsThroughTheElements)
{
    Started s;
    ZelMain &w = s.w();
    s.activate();
    w.tab_Frame_Click(1);
    ASSERT_EQ(QApplication::focusWidget(), w.eScroll);
    QSignalSpy displays(&w, &ZelMain::displayed);

    QTest::keyClick(w.eScroll, Qt::Key_Down);
    EXPECT_EQ(w.CurrentElement, 2);
    QTest::keyClick(w.eScroll, Qt::Key_PageDown);
    EXPECT_EQ(w.CurrentElement, 10);
    QTest::keyClick(w.eScroll, Qt::Key_PageUp);
    QTest::keyClick(w.eScroll, Qt::Key_PageUp);
    EXPECT_EQ(w.CurrentElement, 1);
    const int shown = displays.count();
    QTest::keyClick(w.eScroll, Qt::Key_Up);
    EXPECT_EQ(displays.count(), shown);

    w.eScroll->setValue(115);
    QTest::keyClick(w.eScroll, Qt::Key_PageDown);
    EXPECT_EQ(w.CurrentElement, 118);
    const int atEnd = displays.count();
    QTest::keyClick(w.eScroll, Qt::Key_Down);
    EXPECT_EQ(displays.count(), atEnd);
    EXPECT_EQ(w.d_protons->text(), QStringLiteral("118"));

    // Dragging the thumb shows nothing until it is released.
    w.eScroll->setSliderDown(true);
    w.eScroll->setSliderPosition(50);
    w.eScroll->setSliderPosition(60);
    EXPECT_EQ(displays.count(), atEnd);
    EXPECT_EQ(w.CurrentElement, 118);
    w.eScroll->setSliderDown(false);
    EXPECT_EQ(displays.count(), atEnd + 1);
    EXPECT_EQ(w.CurrentElement, 60);
}

TEST(AtomOptions, HandlersRedrawAndKeepTheTimerRule)
{
    Started s;
    ZelMain &w = s.w();
    w.tab_Frame_Click(1);
    w.eScroll->setValue(26); // iron: four levels
    EXPECT_EQ(w.tmElectron->interval(), 60);
    w.eScroll->setValue(1);
    EXPECT_EQ(w.tmElectron->interval(), 80);
    w.eScroll->setValue(26);

    // Animation off leaves one tick drawn over the saved background.
    EXPECT_NE(w.pbAtom->surface().image(), w.pbSave->surface().image());

    // Hidden paths: grey level numbers, level colours disabled but still checked.
    w.ck_dispRings->setValue(0);
    EXPECT_FALSE(w.ck_ColorRings->isEnabled());
    EXPECT_EQ(w.ck_ColorRings->value(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.d_ring[i]->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    w.ck_dispRings->setValue(1);
    EXPECT_TRUE(w.ck_ColorRings->isEnabled());
    EXPECT_EQ(w.d_ring[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // Animation on: the timer runs and the speed bar is usable; a redraw keeps it.
    w.ck_animate->setValue(1);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_TRUE(w.atScroll->isEnabled());
    w.ring_opt->setValue(0);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_EQ(w.Atom.paths.at(2, 90), (AtomPoint{261, 200}));
    w.cScroll->setValue(5);
    EXPECT_TRUE(w.tmElectron->isActive());
    EXPECT_EQ(w.pbAtom->surface().pixel(0, 0), ColourWhite);
    w.ck_animate->setValue(0);
    EXPECT_FALSE(w.tmElectron->isActive());
    EXPECT_FALSE(w.atScroll->isEnabled());
}

TEST(Exit, TheExitButtonEndsTheProgram)
{
    Started s;
    s.w().ck_animate->setValue(1);
    QTest::mouseClick(s.w().cb_exit, Qt::LeftButton);
    EXPECT_EQ(s.platform.endRequests, 1);
}
