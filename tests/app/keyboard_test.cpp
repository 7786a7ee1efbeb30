#include "fakeplatform.h"
#include "testdata.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

// A turn of the wheel over a control; 120 is one notch, positive away from the user.
void wheel(QWidget *over, int delta)
{
    const QPointF at(5, 5);
    QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &event);
}

// Where the outline lies around element z's cell.
QRect outlineOf(const ZelMain &w, int z)
{
    const CellRect &c = w.cells()[z];
    return QRect(c.Left - 1, c.Top - 1, 43, 53);
}

} // namespace

TEST_F(App, ArrowsWalkTheTableAndReturnOpensTheOutlinedElement)
{
    activate();
    pb->setFocus();
    // From no outline a key steps from the element shown (hydrogen at start;
    // left of it lies nothing, so the outline stays on it); then each key from
    // where the last one left the outline, across gaps and into and out of the
    // series rows.
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Left, 1},   {Qt::Key_Right, 2}, {Qt::Key_Down, 10}, {Qt::Key_Left, 9},
        {Qt::Key_Home, 1},   {Qt::Key_Down, 3},  {Qt::Key_Right, 4}, {Qt::Key_Right, 5},
        {Qt::Key_Up, 2},     {Qt::Key_Home, 1},  {Qt::Key_Up, 1},    {Qt::Key_Left, 1},
        {Qt::Key_End, 103},  {Qt::Key_Up, 71},   {Qt::Key_Up, 118},  {Qt::Key_Right, 118},
        {Qt::Key_Left, 117}, {Qt::Key_Home, 1},  {Qt::Key_Down, 3},  {Qt::Key_Down, 11},
        {Qt::Key_Down, 19},  {Qt::Key_Down, 37}, {Qt::Key_Down, 55}, {Qt::Key_Down, 87},
        {Qt::Key_Down, 57},  {Qt::Key_Down, 89}}; // Fr down into the lanthanides, then on
    for (const auto &[k, expected] : walk) {
        key(k);
        EXPECT_EQ(w.hoverElement(), expected) << "after key " << k;
    }
    key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(w.currentTab(), w.currentElement()), std::tuple(1, 89));
}

TEST_F(App, TypingFindsAndShortcutsSwitchPrintQuitAndCopy)
{
    activate();
    auto *line = control<QLabel>(w, "lbl_find");
    // On the table page the outline moves to the match.
    const std::pair<const char *, int> finds[] = {{"26", 26}, {"fe", 26}, {"iro", 26},
                                                  {"S", 16},  {"so", 11}, {"og", 118}};
    for (const auto &[typed, expected] : finds) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        EXPECT_EQ(std::tuple(w.hoverElement(), line->isVisible()), std::tuple(expected, true))
            << typed;
        key(Qt::Key_Escape);
        EXPECT_FALSE(line->isVisible()) << "Escape clears " << typed;
    }
    QTest::keyClicks(QApplication::focusWidget(), u"cx"_s);
    EXPECT_EQ(line->text(), u"Find: cx - no element"_s);
    key(Qt::Key_Backspace);
    EXPECT_EQ(line->text(), u"Find: c - Carbon"_s);
    key(Qt::Key_Escape);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 1);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 0);
    platform.answer = false;
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(platform.questions.back(), u"Print: Print Periodic Table"_s);
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(platform.endRequests, 1);

    QTest::keyClicks(QApplication::focusWidget(), u"fe"_s);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"Iron, Fe, 26, 55.845"_s);
    key(Qt::Key_Return);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text() + u'\n', ironSheetText());

    // On the Element page a typed number shows its element, as the bar does.
    key(Qt::Key_Escape);
    QTest::keyClicks(QApplication::focusWidget(), u"92"_s);
    EXPECT_EQ(w.currentElement(), 92);
    // The atom picture shows a dotted frame while it holds the focus.
    pbAtom->setFocus();
    EXPECT_EQ(pbAtom->grab().toImage().pixelColor(3, 2), QColor(128, 128, 128));
    pbData->setFocus();
    EXPECT_EQ(pbAtom->grab().toImage().pixelColor(3, 2), QColor(Qt::black));
}

TEST_F(App, TheWheelStepsOneElementPerNotchOverTheAtomTheSheetAndTheBar)
{
    w.tab_Frame_Click(1);
    QSignalSpy displays(&w, &ZelMain::displayed);
    for (QWidget *over : std::initializer_list<QWidget *>{pbAtom, pbData, eScroll}) {
        eScroll->setValue(26);
        displays.clear();
        // Down (toward the user) is the next atomic number, as the bar's lower arrow.
        wheel(over, -120);
        EXPECT_EQ(std::tuple(w.currentElement(), eScroll->value(), displays.count()),
                  std::tuple(27, 27, 1))
            << over->objectName().toStdString();
        wheel(over, 120);
        EXPECT_EQ(std::tuple(w.currentElement(), eScroll->value(), displays.count()),
                  std::tuple(26, 26, 2))
            << over->objectName().toStdString();
    }

    // Fine wheels and touchpads: deltas add up to whole notches, what is left
    // over carries on, and a turn the other way starts afresh.
    const std::pair<int, int> turns[] = {
        {-30, 26},  {-30, 26}, {-30, 26}, {-30, 27}, // four of 30 make a notch
        {-90, 27},  {-60, 28}, {-90, 29},            // 30 of the 150 carried on
        {-90, 29},  {120, 28},                       // a full notch back is one step back
        {-90, 28},  {30, 28},  {-90, 28}, {-30, 29}, // no stale rest from before the turn
        {-240, 31}, {360, 28}};                      // several notches in one event
    for (const auto &[delta, expected] : turns) {
        wheel(pbAtom, delta);
        EXPECT_EQ(w.currentElement(), expected) << "after " << delta;
    }

    // It stops at the last element and at the first; turns past an end are not
    // kept. From 117: three steps shown; from 2, over the bar.
    const std::tuple<int, QWidget *, std::vector<std::pair<int, int>>, int> ends[] = {
        {117, pbData, {{-120, 118}, {-120, 118}, {-120, 118}, {120, 117}, {-240, 118}}, 3},
        {2, eScroll, {{120, 1}, {120, 1}, {360, 1}, {-120, 2}, {30, 2}, {90, 1}}, 3}};
    for (const auto &[from, over, steps, shown] : ends) {
        eScroll->setValue(from);
        displays.clear();
        for (const auto &[delta, expected] : steps) {
            wheel(over, delta);
            EXPECT_EQ(w.currentElement(), expected) << "from " << from << ", after " << delta;
        }
        EXPECT_EQ(displays.count(), shown) << "from " << from;
    }
}

TEST_F(App, TheTableKeepsItsKeyboardPlaceAcrossPageSwitches)
{
    activate();
    pb->setFocus();
    auto *ptsel = control<QWidget>(w, "ptsel");
    QClipboard *clipboard = QApplication::clipboard();
    const auto outlined = [&] {
        return std::tuple(ptsel->isVisible(), w.hoverElement(), ptsel->geometry());
    };

    // The outline the keyboard put on iron is there again after the Element
    // page, by the page keys and by the tabs; copy and arrows go on from it.
    QTest::keyClicks(QApplication::focusWidget(), u"fe"_s);
    key(Qt::Key_Escape);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(w.currentTab(), ptsel->isVisible()), std::tuple(1, false));
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 0);
    EXPECT_EQ(outlined(), std::tuple(true, 26, outlineOf(w, 26)));
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"Iron, Fe, 26, 55.845"_s);
    key(Qt::Key_Right);
    EXPECT_EQ(outlined(), std::tuple(true, 27, outlineOf(w, 27)));
    for (PictureButton *tab : {elementTab, tableTab}) {
        QTest::mousePress(tab, Qt::LeftButton);
        QTest::mouseRelease(tab, Qt::LeftButton);
    }
    EXPECT_EQ(std::tuple(w.currentTab(), QApplication::focusWidget()), std::tuple(0, pb));
    EXPECT_EQ(outlined(), std::tuple(true, 27, outlineOf(w, 27)));
    key(Qt::Key_Down);
    EXPECT_EQ(outlined(), std::tuple(true, 45, outlineOf(w, 45)));

    // The pointer takes the outline with it; a switch drops the pointer's
    // outline, and then nothing is outlined: nothing to copy or open, and the
    // arrows go on from the element shown (tin).
    key(Qt::Key_Tab, Qt::ControlModifier);
    eScroll->setValue(50);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(outlined(), std::tuple(true, 45, outlineOf(w, 45)));
    const CellRect &oxygen = w.cells()[8];
    QTest::mouseMove(pb, QPoint(oxygen.Left + 5, oxygen.Top + 5));
    EXPECT_EQ(outlined(), std::tuple(true, 8, outlineOf(w, 8)));
    key(Qt::Key_Tab, Qt::ControlModifier);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(w.currentTab(), ptsel->isVisible()), std::tuple(0, false));
    clipboard->setText(u"untouched"_s);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"untouched"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(w.currentTab(), 0);
    key(Qt::Key_Right);
    EXPECT_EQ(outlined(), std::tuple(true, 51, outlineOf(w, 51)));
    key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(w.currentTab(), w.currentElement()), std::tuple(1, 51));
}
