#include "fakeplatform.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Keys sent to whatever has the focus, as a user types them.
void keys(const QString &sequence)
{
    for (const QChar c : sequence)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

} // namespace

TEST_F(App, ArrowsWalkTheTableAndReturnOpensTheOutlinedElement)
{
    activate();
    pb->setFocus();
    // From no outline any key starts at hydrogen; then each key from where the
    // last one left the outline, across gaps and into and out of the series rows.
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Down, 1},   {Qt::Key_Right, 2}, {Qt::Key_Down, 10}, {Qt::Key_Left, 9},
        {Qt::Key_Home, 1},   {Qt::Key_Down, 3},  {Qt::Key_Right, 4}, {Qt::Key_Right, 5},
        {Qt::Key_Up, 2},     {Qt::Key_Home, 1},  {Qt::Key_Up, 1},    {Qt::Key_Left, 1},
        {Qt::Key_End, 103},  {Qt::Key_Up, 71},   {Qt::Key_Up, 118},  {Qt::Key_Right, 118},
        {Qt::Key_Left, 117}, {Qt::Key_Home, 1}};
    for (const auto &[k, expected] : walk) {
        key(k);
        EXPECT_EQ(w.hoverElement(), expected) << "after key " << k;
        EXPECT_TRUE(control<QWidget>(w, "ptsel")->isVisible());
    }
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Down); // H, Li, Na, K, Rb, Cs
    EXPECT_EQ(w.hoverElement(), 55);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(w.hoverElement(), 57) << "from francium down into the lanthanides";
    key(Qt::Key_Down);
    EXPECT_EQ(w.hoverElement(), 89);
    key(Qt::Key_Return);
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_EQ(w.currentElement(), 89);
}

TEST_F(App, TypingFindsByNumberSymbolOrNameAndEscapeClears)
{
    activate();
    auto *line = control<QLabel>(w, "lbl_find");
    // On the table page the outline moves to the match.
    const std::pair<const char *, int> finds[] = {{"26", 26}, {"fe", 26}, {"iro", 26},
                                                  {"S", 16},  {"so", 11}, {"og", 118}};
    for (const auto &[typed, expected] : finds) {
        keys(QString::fromLatin1(typed));
        EXPECT_EQ(w.hoverElement(), expected) << typed;
        EXPECT_TRUE(line->isVisible());
        key(Qt::Key_Escape);
        EXPECT_FALSE(line->isVisible()) << "Escape clears " << typed;
    }
    keys(u"cx"_s);
    EXPECT_EQ(line->text(), u"Find: cx - no element"_s);
    key(Qt::Key_Backspace);
    EXPECT_EQ(line->text(), u"Find: c - Carbon"_s);
    key(Qt::Key_Escape);
    // On the Element page the element is shown, as the scroll bar shows it.
    w.tab_Frame_Click(1);
    keys(u"92"_s);
    EXPECT_EQ(w.currentElement(), 92);
}

TEST(Keyboard, ShortcutsWaitForTheBanner)
{
    FakePlatform platform;
    const std::unique_ptr<ZelMain> w = StartUp(platform);
    ASSERT_TRUE(w);
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    key(Qt::Key_Tab, Qt::ControlModifier);
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(w->currentTab(), 0);
    EXPECT_TRUE(platform.questions.empty());
    w->tmAbout_Timer();
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->currentTab(), 1);
}

TEST_F(App, ShortcutsCopyAndTheWheel)
{
    activate();
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 1);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), 0);
    platform.answer = false;
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(platform.questions.back(), u"Print: Print Periodic Table"_s);
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(platform.endRequests, 1);

    keys(u"fe"_s);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"Iron, Fe, 26, 55.845"_s);
    key(Qt::Key_Return);
    key(Qt::Key_C, Qt::ControlModifier);
    const QStringList sheet = QApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(sheet.size(), 30);
    EXPECT_EQ(sheet[0], u"26 Iron Fe"_s);
    EXPECT_EQ(sheet[5], u"Atomic Weight: 55.845 g/mol"_s);
    EXPECT_EQ(sheet[29], u"Name Origin: Anglo-Saxon iren; the symbol Fe is from Latin ferrum"_s);

    // One wheel notch down over the sheet steps on as over the bar: three elements.
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pbData, &wheel);
    EXPECT_EQ(w.currentElement(), 29);
    // The atom picture shows a dotted frame while it holds the focus.
    pbAtom->setFocus();
    EXPECT_EQ(pbAtom->grab().toImage().pixelColor(3, 2), QColor(128, 128, 128));
    pbData->setFocus();
    EXPECT_EQ(pbAtom->grab().toImage().pixelColor(3, 2), QColor(Qt::black));
}
