// The table's views in the window: the chooser, the temperature, the
// highlight, the viewed value of a cell, and the print.

#include "fakeplatform.h"
#include "testdata.h"
#include "viewcontrols.h"
#include "viewoptions.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QSlider>
#include <QTest>
#include <QToolTip>

#include <algorithm>

namespace {

int view(const char *name)
{
    return findTableView(QString::fromLatin1(name));
}

class Views : public App
{
protected:
    // A pixel of element z's cell on screen clear of its words.
    Colour cell(int z) const
    {
        const CellRect &c = w.cells()[z];
        return pb->surface().pixel(c.Left + 3, c.Top + 30);
    }
    // The table as CreatePT draws it in v.
    QImage drawnIn(const TableView &v) const
    {
        Surface table = tablePictureDesign();
        CellRects rects{};
        CreatePT(table, 0, w.elements(), tableArtwork(), rects, {0, 37}, v);
        return table.image();
    }

    QComboBox *viewChooser = control<QComboBox>(w, "viewChooser");
    QComboBox *highlightChooser = control<QComboBox>(w, "highlightChooser");
    QComboBox *unitChooser = control<QComboBox>(w, "unitChooser");
    QSlider *slider = control<QSlider>(w, "temperatureSlider");
    QDoubleSpinBox *field = control<QDoubleSpinBox>(w, "temperatureField");
    QWidget *panel = control<QWidget>(w, "viewPanel");
};

// The chooser lies over the table's empty top right, starts at the classes,
// and is reached with Tab from the table and with Alt and its letter.
TEST_F(Views, TheChooserIsShownOnTheTablePageAndReachedByTabAndShortcut)
{
    EXPECT_EQ(panel->geometry(), QRect(460, 46, 262, 64));
    EXPECT_EQ(std::tuple(viewChooser->count(), viewChooser->currentText(), w.tableView()),
              std::tuple(17, QStringLiteral("Classes"), TableView{}));
    EXPECT_TRUE(viewChooser->isVisible() && highlightChooser->isVisible());
    EXPECT_FALSE(slider->isVisible() || field->isVisible() || unitChooser->isVisible());

    activate();
    pb->setFocus();
    for (const char *next : {"viewChooser", "highlightChooser", "cb_exit"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(w, next)) << next;
    }
    QTest::keyClick(&w, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), viewChooser);
    // Down on the chooser shows the next view at once.
    QTest::keyClick(viewChooser, Qt::Key_Down);
    EXPECT_EQ(w.tableView().view, view("block"));
    QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), highlightChooser);

    // The Element page has no chooser; the view is kept for the table's return.
    w.tab_Frame_Click(1);
    EXPECT_FALSE(panel->isVisible());
    w.tab_Frame_Click(0);
    EXPECT_EQ(std::tuple(panel->isVisible(), viewChooser->currentText()),
              std::tuple(true, QStringLiteral("Block")));
}

TEST_F(Views, AChosenViewIsDrawnWithItsKeyAndHighlights)
{
    const QImage classes = pb->surface().image().copy();
    viewChooser->setCurrentIndex(view("density"));
    EXPECT_TRUE(pb->surface().image() == drawnIn({view("density")}));
    EXPECT_FALSE(pb->surface().image() == classes);
    EXPECT_EQ(cell(1), 0x540144u) << "hydrogen, the least dense, at the scale's start";
    QStringList highlights;
    for (int i = 0; i < highlightChooser->count(); ++i)
        highlights << highlightChooser->itemText(i);
    EXPECT_EQ(highlights, (QStringList{QStringLiteral("None"), QStringLiteral("No data")}));
    // Back to the classes: the picture of old again.
    w.setTableView(0);
    EXPECT_TRUE(pb->surface().image() == classes);
    // As the command line sets them for the window: the state at 25 °C.
    applyViewOptions(w, {view("state"), Temperature{298.15, TemperatureUnit::Celsius}});
    EXPECT_EQ(w.tableView(), (TableView{view("state"), 298.15, TemperatureUnit::Celsius}));
    EXPECT_EQ(
        std::tuple(viewChooser->currentText(), field->value(), unitChooser->currentText()),
        std::tuple(QStringLiteral("State at a temperature"), 25.0, QStringLiteral("\u00B0C")));
}

TEST_F(Views, TheSliderRecoloursAsItIsDraggedAndTheFieldFollowsInItsUnit)
{
    w.setTableView(view("state"));
    EXPECT_TRUE(slider->isVisible() && field->isVisible() && unitChooser->isVisible());
    EXPECT_EQ(std::tuple(slider->value(), field->value(), unitChooser->currentText()),
              std::tuple(298, 298.0, QStringLiteral("K")));
    const Colour solid = 0x78AAE6, liquid = 0xE6A05A, gas = 0x8CF0FA;
    EXPECT_EQ(std::pair(cell(80), cell(35)), std::pair(liquid, liquid)) << "mercury and bromine";

    // While the thumb is held the table follows it.
    slider->setSliderDown(true);
    slider->setSliderPosition(200);
    EXPECT_EQ(std::tuple(cell(80), cell(35), field->value()), std::tuple(solid, solid, 200.0));
    slider->setSliderPosition(700);
    EXPECT_EQ(std::tuple(cell(80), cell(35)), std::tuple(gas, gas));
    slider->setSliderDown(false);

    // In degrees Celsius the field shows the same temperature; typed, it moves the slider.
    unitChooser->setCurrentIndex(1);
    EXPECT_EQ(std::tuple(field->value(), slider->value()), std::tuple(426.85, 700));
    field->setValue(100);
    EXPECT_EQ(std::tuple(w.tableView().kelvin, slider->value(), cell(80), cell(35)),
              std::tuple(373.15, 373, liquid, gas));
    EXPECT_TRUE(pb->surface().image() ==
                drawnIn({view("state"), 373.15, TemperatureUnit::Celsius}));
    // From the command line, a temperature comes with its unit.
    w.setTemperature({255.3722222, TemperatureUnit::Fahrenheit});
    EXPECT_EQ(std::tuple(unitChooser->currentText(), field->value(), slider->value()),
              std::tuple(QStringLiteral("\u00B0F"), 0.0, 255));
}

TEST_F(Views, HoveringAKeyEntryHighlightsItsClassAndAClickKeepsIt)
{
    const Colour transitionMetal = 0xDCCCAB, halogen = 0xFFC0C0;
    const Colour fadedTransitionMetal = 0xD3A138; // three parts in four towards the page
    const QPoint halogens(200, 114);              // the third entry, left on the second line
    QTest::mouseMove(pb, halogens);
    EXPECT_EQ(std::tuple(w.tableView().highlight, cell(26), cell(9)),
              std::tuple(2, fadedTransitionMetal, halogen));
    QTest::mouseMove(pb, QPoint(600, 300));
    EXPECT_EQ(std::tuple(w.tableView().highlight, cell(26)),
              std::tuple(NoHighlight, transitionMetal));

    // A click keeps it after the pointer has gone, until a second click.
    for (const auto &[kept, colour, chosen] : {std::tuple{2, fadedTransitionMetal, "Halogens"},
                                               {NoHighlight, transitionMetal, "None"}}) {
        QTest::mouseMove(pb, halogens);
        QTest::mouseClick(pb, Qt::LeftButton, {}, halogens);
        QTest::mouseMove(pb, QPoint(600, 300));
        EXPECT_EQ(std::tuple(w.tableView().highlight, cell(26), highlightChooser->currentText()),
                  std::tuple(kept, colour, QString::fromLatin1(chosen)));
    }

    // By the keyboard: the highlight chooser.
    highlightChooser->setCurrentIndex(highlightChooser->findText(QStringLiteral("Halogens")));
    EXPECT_EQ(std::tuple(w.tableView().highlight, cell(26)), std::tuple(2, fadedTransitionMetal));
    // Another view starts without one.
    w.setTableView(view("block"));
    EXPECT_EQ(std::tuple(w.tableView().highlight, highlightChooser->currentText()),
              std::tuple(NoHighlight, QStringLiteral("None")));
}

TEST_F(Views, ACellsTooltipAndScreenReaderDescriptionGiveTheViewedValue)
{
    w.setTableView(view("density"));
    const CellRect &fe = w.cells()[26];
    const QPoint centre(fe.Left + 20, fe.Top + 25);
    QHelpEvent help(QEvent::ToolTip, centre, pb->mapToGlobal(centre));
    QApplication::sendEvent(pb, &help);
    const QString iron = QStringLiteral("Iron, 26: density 7.874 g/cm\u00B3");
    EXPECT_EQ(QToolTip::text(), iron);

    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(pb);
    EXPECT_EQ(table->child(25)->text(QAccessible::Description), iron);
    // The chooser is read with the view it shows; its list only while open.
    QAccessibleInterface *chooser = QAccessible::queryAccessibleInterface(viewChooser);
    EXPECT_EQ(std::tuple(chooser->role(), chooser->text(QAccessible::Name), chooser->childCount()),
              std::tuple(QAccessible::ComboBox, QStringLiteral("View: Density"), 0));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(unitChooser)->text(QAccessible::Name),
              QStringLiteral("Temperature unit: K"));
    // The panel offers its shown controls only: the temperature's line in the state view.
    QAccessibleInterface *views = QAccessible::queryAccessibleInterface(panel);
    EXPECT_EQ(std::pair(views->role(), views->childCount()), std::pair(QAccessible::Grouping, 4));
    w.setTableView(view("state"));
    EXPECT_EQ(views->childCount(), 8);
}

TEST_F(Views, ThePrintedTableShowsTheChosenViewAndTheHighlightKept)
{
    w.setTableView(view("state"));
    w.setTemperature({373.15, TemperatureUnit::Celsius});
    // A highlight the pointer only shows is not printed.
    QTest::mouseMove(pb, QPoint(200, 126));
    ASSERT_EQ(w.tableView().highlight, int(Phase::Gas));
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    // The texts, and the fills of cells: boxes of 40 x 50 pixels, 15 twips each.
    QStringList texts;
    std::vector<Colour> cells;
    for (const PageCanvas::Item &item : printer.jobs[0].page.items()) {
        if (item.kind == PageCanvas::Item::Text) texts << item.text;
        if (item.kind == PageCanvas::Item::Box && item.width == 600 && item.height == 750)
            cells.push_back(item.colour);
    }
    const auto filled = [&cells](Colour c) {
        return std::find(cells.begin(), cells.end(), c) != cells.end();
    };
    EXPECT_TRUE(texts.contains(QStringLiteral("State at 100 \u00B0C")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Non Metals")));
    EXPECT_TRUE(filled(0x8CF0FA) && filled(0xE6A05A) && filled(0x78AAE6)) << "gas, liquid, solid";
    EXPECT_FALSE(filled(0xDDEAF9)) << "no cell faded into the page";
}

} // namespace

// The temperature field keeps "." as its decimal point where the desktop's
// locale writes ",": it shows 300.50 and takes 273.15 as typed.
TEST(TemperatureFieldInAGermanLocale, ShowsAndReadsAPoint)
{
    const QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TemperatureField field;
    field.setRange(0, 6000);
    field.setDecimals(2);
    field.setValue(300.5);
    const QString shown = field.text();
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("273.15"));
    const double typed = field.value();
    QLocale::setDefault(desktop);
    EXPECT_EQ(shown, QStringLiteral("300.50"));
    EXPECT_EQ(typed, 273.15);
}
