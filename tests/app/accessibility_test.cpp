#include "fakeplatform.h"
#include "zelmod.h"
#include "zelmain.h"

#include <QAccessible>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface) throw std::runtime_error("no accessible interface");
    return iface;
}

QString nameOf(const ZelMain &w, const char *control)
{
    return accessible(::control<QWidget>(w, control))->text(QAccessible::Name);
}

// The names of an interface's children, with nulls and nameless ones as "?".
QStringList childNames(QAccessibleInterface *iface)
{
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        names << (child && !child->text(QAccessible::Name).isEmpty()
                      ? child->text(QAccessible::Name)
                      : QStringLiteral("?"));
    }
    return names;
}

} // namespace

TEST_F(App, ControlsAreNamedWithTheirRolesAndStates)
{
    const std::pair<const char *, const char *> names[] = {
        {"cb_print", "Print"},
        {"cb_exit", "Exit"},
        {"tab_Frame0", "Periodic Table"},
        {"tab_Frame1", "Element"},
        {"ck_animate", "Animate"},
        {"ck_ColorRings", "Level Colors On/Off"},
        {"ck_dispRings", "Level On/Off"},
        {"ring_opt", "Level Circular/Eliptic"},
        {"eScroll", "Element"},
        {"cScroll", "Background Color"},
        {"atScroll", "Animation Speed"},
        {"pb", "Periodic table"},
        {"pbData", "Data sheet"},
        {"pbAtom", "Atom model"},
    };
    for (const auto &[control, name] : names)
        EXPECT_EQ(nameOf(w, control), QLatin1String(name)) << control;

    QAccessibleInterface *print = accessible(control<QWidget>(w, "cb_print"));
    EXPECT_EQ(print->role(), QAccessible::Button);
    ASSERT_TRUE(print->actionInterface());
    EXPECT_TRUE(print->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    // The shown page's tab is the selected one; the options are check boxes.
    QAccessibleInterface *tableTab = accessible(control<QWidget>(w, "tab_Frame0"));
    QAccessibleInterface *elementTab = accessible(control<QWidget>(w, "tab_Frame1"));
    EXPECT_EQ(tableTab->role(), QAccessible::PageTab);
    EXPECT_TRUE(tableTab->state().selected);
    EXPECT_FALSE(elementTab->state().selected);
    QAccessibleInterface *animate = accessible(control<QWidget>(w, "ck_animate"));
    QAccessibleInterface *levels = accessible(control<QWidget>(w, "ck_dispRings"));
    EXPECT_EQ(animate->role(), QAccessible::CheckBox);
    EXPECT_TRUE(animate->state().checkable);
    EXPECT_FALSE(animate->state().checked);
    EXPECT_TRUE(levels->state().checked);

    // Pressing the Element tab shows the Element page.
    elementTab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_TRUE(elementTab->state().selected);
    EXPECT_FALSE(tableTab->state().selected);
}

TEST_F(App, TheTableHasOneNamedCellPerElement)
{
    auto *pb = control<QWidget>(w, "pb");
    QAccessibleInterface *table = accessible(pb);
    ASSERT_EQ(table->childCount(), 118);
    const QStringList names = childNames(table);
    EXPECT_FALSE(names.contains(QStringLiteral("?")));
    EXPECT_EQ(names.first(), QStringLiteral("Hydrogen"));
    EXPECT_EQ(names.last(), QStringLiteral("Oganesson"));

    QAccessibleInterface *iron = table->child(25);
    ASSERT_TRUE(iron);
    EXPECT_EQ(iron->text(QAccessible::Name), QStringLiteral("Iron"));
    EXPECT_EQ(iron->text(QAccessible::Description),
              QStringLiteral("26, Fe, 55.845, Transition Metal, Solid"));
    EXPECT_EQ(iron->role(), QAccessible::Cell);
    EXPECT_EQ(iron->parent(), table);
    EXPECT_EQ(table->indexOfChild(iron), 25);
    // Row 4, column 8: 40 x 50 pixels from (44 + 7 * 40, 42 + 3 * 50) in the picture.
    EXPECT_EQ(iron->rect(), QRect(pb->mapToGlobal(QPoint(324, 192)), QSize(40, 50)));
    EXPECT_EQ(table->childAt(iron->rect().center().x(), iron->rect().center().y()), iron);

    // The outlined cell is the focused child; pressing a cell opens its element.
    EXPECT_EQ(table->focusChild(), nullptr);
    w.pb_MouseMove(330, 200);
    EXPECT_EQ(table->focusChild(), iron);
    EXPECT_TRUE(iron->state().selected);
    table->child(78)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.currentElement(), 79);
    EXPECT_EQ(w.currentTab(), 1);
    EXPECT_TRUE(iron->state().invisible);
}

TEST_F(App, TheSheetReadsAsTheShownElementsLines)
{
    QAccessibleInterface *sheet = accessible(control<QWidget>(w, "pbData"));
    QAccessibleTextInterface *text = sheet->textInterface();
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->text(0, text->characterCount()).startsWith(QStringLiteral("1 Hydrogen H\n")));

    w.showElement(26);
    const QString all = text->text(0, text->characterCount());
    EXPECT_TRUE(all.startsWith(QStringLiteral("26 Iron Fe\n"))) << all.toStdString();
    EXPECT_TRUE(all.contains(
        QStringLiteral("\nName Origin: Anglo-Saxon iren; the symbol Fe is from Latin ferrum")));
    EXPECT_EQ(all.count(QLatin1Char('\n')), 29);
    EXPECT_EQ(sheet->text(QAccessible::Value), all);
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("26 Iron Fe\n"));
}

TEST(Accessibility, HiddenControlsAreLeftOut)
{
    FakePlatform platform;
    const std::unique_ptr<ZelMain> program = StartUp(platform);
    ASSERT_TRUE(program);
    ZelMain &w = *program;
    QAccessibleInterface *window = accessible(&w);
    QAccessibleInterface *table = accessible(control<QWidget>(w, "pb"));
    // The banner shows over the table first, then goes.
    ASSERT_EQ(table->childCount(), 119);
    EXPECT_EQ(table->child(0)->object(), control<QWidget>(w, "lbl_about"));
    w.tmAbout_Timer();
    EXPECT_EQ(table->childCount(), 118);

    QList<QObject *> shown;
    for (int i = 0; i < window->childCount(); ++i)
        shown << window->child(i)->object();
    for (const char *hidden : {"pbHold", "pbprt", "pbSave", "E_Frame"})
        EXPECT_FALSE(shown.contains(control<QWidget>(w, hidden))) << hidden;
    for (const char *visible : {"cb_print", "cb_exit", "pb", "tabs_fr", "PT_Frame"})
        EXPECT_TRUE(shown.contains(control<QWidget>(w, visible))) << visible;

    // A hidden picture is neither shown nor focusable.
    for (QWidget *hidden : {static_cast<QWidget *>(control<QWidget>(w, "pbSave")),
                            control<QWidget>(w, "pbHold"), control<QWidget>(w, "lbl_about")}) {
        const QAccessible::State state = accessible(hidden)->state();
        EXPECT_TRUE(state.invisible);
        EXPECT_FALSE(state.focusable);
    }
    // On the Element page the table's cells are hidden, the page is shown.
    w.showElement(26);
    shown.clear();
    for (int i = 0; i < window->childCount(); ++i)
        shown << window->child(i)->object();
    EXPECT_TRUE(shown.contains(control<QWidget>(w, "E_Frame")));
    EXPECT_FALSE(shown.contains(control<QWidget>(w, "pb")));
}
