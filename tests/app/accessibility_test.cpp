#include "fakeplatform.h"
#include "testdata.h"

#include <QAccessible>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QAccessibleInterface *accessible(const ZelMain &w, const QString &name)
{
    return accessible(control<QWidget>(w, name.toLatin1().constData()));
}

} // namespace

TEST_F(App, ControlsAreNamedWithTheirRolesAndStates)
{
    // Each control's object name and its accessible name.
    for (const QString &entry :
         QStringLiteral(
             "cb_print=Print|cb_exit=Exit|tab_Frame0=Periodic Table|tab_Frame1=Element|"
             "ck_animate=Animate|ck_ColorRings=Level Colors On/Off|ck_dispRings=Level On/Off|"
             "ring_opt=Level Circular/Eliptic|eScroll=Element|cScroll=Background Color|"
             "atScroll=Animation Speed|pb=Periodic table|pbData=Data sheet|pbAtom=Atom model")
             .split(u'|'))
        EXPECT_EQ(accessible(w, entry.section(u'=', 0, 0))->text(QAccessible::Name),
                  entry.section(u'=', 1));

    // Print is a button that can be pressed, the shown page's tab the selected
    // one, and the options are check boxes.
    QAccessibleInterface *print = accessible(w, "cb_print");
    EXPECT_TRUE(print->actionInterface() && print->actionInterface()->actionNames().contains(
                                                QAccessibleActionInterface::pressAction()));
    QAccessibleInterface *tableTab = accessible(w, "tab_Frame0");
    QAccessibleInterface *elementTab = accessible(w, "tab_Frame1");
    QAccessibleInterface *animate = accessible(w, "ck_animate");
    EXPECT_EQ(std::tuple(print->role(), tableTab->role(), animate->role()),
              std::tuple(QAccessible::Button, QAccessible::PageTab, QAccessible::CheckBox));
    EXPECT_TRUE(animate->state().checkable && !animate->state().checked);
    EXPECT_TRUE(accessible(w, "ck_dispRings")->state().checked);
    for (int pressed = 0; pressed < 2; ++pressed) {
        EXPECT_EQ(std::tuple(tableTab->state().selected, elementTab->state().selected),
                  std::tuple(pressed == 0, pressed == 1));
        elementTab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(w.currentTab(), 1);
    }
}

TEST_F(App, TheTableHasOneNamedCellPerElementAndTheSheetReadsAsLines)
{
    QAccessibleInterface *table = accessible(pb);
    ASSERT_EQ(table->childCount(), 118);
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), QStringLiteral("Hydrogen"));
    EXPECT_EQ(table->child(117)->text(QAccessible::Name), QStringLiteral("Oganesson"));

    QAccessibleInterface *iron = table->child(25);
    EXPECT_EQ(iron->text(QAccessible::Name), QStringLiteral("Iron"));
    EXPECT_EQ(iron->text(QAccessible::Description),
              QStringLiteral("26, Fe, 55.845, Transition Metal, Solid"));
    EXPECT_EQ(std::tuple(iron->role(), iron->parent(), table->indexOfChild(iron)),
              std::tuple(QAccessible::Cell, table, 25));
    // Row 4, column 8: 40 x 50 pixels from (44 + 7 * 40, 42 + 3 * 50) in the picture.
    EXPECT_EQ(iron->rect(), QRect(pb->mapToGlobal(QPoint(324, 192)), QSize(40, 50)));
    EXPECT_EQ(table->childAt(iron->rect().center().x(), iron->rect().center().y()), iron);

    // The outlined cell is the focused child; pressing a cell opens its element.
    EXPECT_EQ(table->focusChild(), nullptr);
    w.pb_MouseMove(330, 200);
    EXPECT_EQ(std::tuple(table->focusChild(), iron->state().selected), std::tuple(iron, true));
    table->child(78)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(std::tuple(w.currentElement(), w.currentTab()), std::tuple(79, 1));
    EXPECT_TRUE(iron->state().invisible);
    // Back on the table the pointer's outline is gone, and no cell is focused.
    w.tab_Frame_Click(0);
    EXPECT_EQ(std::tuple(table->focusChild(), iron->state().selected), std::tuple(nullptr, false));

    // The data sheet reads as the shown element's lines, as they are copied.
    QAccessibleInterface *sheet = accessible(pbData);
    QAccessibleTextInterface *text = sheet->textInterface();
    ASSERT_TRUE(text);
    w.showElement(26);
    const QString all = text->text(0, text->characterCount());
    EXPECT_EQ(all + u'\n', ironSheetText());
    EXPECT_EQ(sheet->text(QAccessible::Value), all);
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("26 Iron Fe\n"));
}

TEST_F(App, HiddenControlsAreLeftOut)
{
    QAccessibleInterface *window = accessible(&w);
    const auto shown = [&](const char *name) {
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->object() == control<QWidget>(w, name)) return true;
        return false;
    };
    for (const char *hidden : {"pbHold", "pbSave", "E_Frame"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    for (const char *visible : {"cb_print", "cb_exit", "pb", "tabs_fr", "PT_Frame"})
        EXPECT_TRUE(shown(visible)) << visible;
    // A hidden picture is neither shown nor focusable.
    for (const char *hidden : {"pbSave", "pbHold", "lbl_about"})
        EXPECT_TRUE(accessible(w, hidden)->state().invisible &&
                    !accessible(w, hidden)->state().focusable)
            << hidden;
    // On the Element page the table's cells are hidden, the page is shown.
    w.showElement(26);
    EXPECT_TRUE(shown("E_Frame") && !shown("pb"));
}
