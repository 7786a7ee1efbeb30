// Where each value comes from, in the window: a sheet line's tooltip, its
// accessible description, the line with the keyboard focus and F2, and the
// About page.

#include "aboutdialog.h"
#include "elementsources.h"
#include "fakeplatform.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const QString IronDensity = u"Density 7.874 g/cm³ — periodictable 1.6.0 (NIST); public domain"_s;

// The pointer rests over pbData at y: the tooltip event the platform sends.
// The tooltip shown, or nothing once it has gone (a tooltip fades out).
QString hover(PictureBox *pbData, int y)
{
    const QPoint at(100, y);
    QHelpEvent event(QEvent::ToolTip, at, pbData->mapToGlobal(at));
    QCoreApplication::sendEvent(pbData, &event);
    if (event.isAccepted()) return QToolTip::isVisible() ? QToolTip::text() : u"(none)"_s;
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    return {};
}

} // namespace

TEST_F(App, HoveringASheetLineShowsItsSourceAndTheLineDescribesIt)
{
    w.showElement(26);
    const QRect density = w.sheetLineRect(8);
    ASSERT_FALSE(density.isEmpty());
    EXPECT_EQ(hover(pbData, density.center().y()), IronDensity);
    EXPECT_EQ(hover(pbData, density.top()), IronDensity);
    EXPECT_EQ(hover(pbData, density.top() - 1), w.sheetLineSource(7)); // the line above
    EXPECT_TRUE(w.sheetLineSource(7).startsWith(u"Atomic Radius 1.4 — pymatgen"_s));
    EXPECT_EQ(hover(pbData, 2), u"26 Iron Fe — periodictable 1.6.0 (NIST); public domain"_s);
    // Below the last line there is nothing to tell.
    EXPECT_EQ(hover(pbData, w.sheetLineRect(29).bottom() + 1), QString());
    // A correction gives its reason.
    w.showElement(1);
    EXPECT_EQ(hover(pbData, w.sheetLineRect(27).center().y()),
              u"Discoverer H. Cavendish — Blue Obelisk Data Repository 10; MIT, corrected by "
              u"hand for Zelvane\nReason: BODR gives the initial C.; the discoverer is Henry "
              u"Cavendish"_s);

    // Each line is a child of the sheet: its text the name, its source the description.
    w.showElement(26);
    QAccessibleInterface *sheet = QAccessible::queryAccessibleInterface(pbData);
    ASSERT_EQ(sheet->childCount(), 30);
    QAccessibleInterface *line = sheet->child(8);
    EXPECT_EQ(
        std::tuple(line->text(QAccessible::Name), line->text(QAccessible::Description),
                   line->role(), line->parent(), sheet->indexOfChild(line)),
        std::tuple(u"Density: 7.874 g/cm³"_s, IronDensity, QAccessible::StaticText, sheet, 8));
    EXPECT_EQ(line->rect(), density.translated(pbData->mapToGlobal(QPoint())));
    EXPECT_EQ(sheet->childAt(line->rect().center().x(), line->rect().center().y()), line);
    EXPECT_EQ(sheet->child(0)->text(QAccessible::Name), u"26 Iron Fe"_s);
}

TEST_F(App, TheKeyboardMovesTheSheetsFocusFromLineToLineAndF2ShowsItsSource)
{
    activate();
    w.showElement(26);
    QAccessibleInterface *sheet = QAccessible::queryAccessibleInterface(pbData);
    // F2 gives the sheet the focus at its title line.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(std::tuple(QApplication::focusWidget(), w.focusedSheetLine()),
              std::tuple(static_cast<QWidget *>(pbData), 0));
    EXPECT_EQ(QToolTip::text(), u"26 Iron Fe — periodictable 1.6.0 (NIST); public domain"_s);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(pbData, Qt::Key_Down);
    EXPECT_EQ(w.focusedSheetLine(), 8);
    EXPECT_EQ(sheet->focusChild(), sheet->child(8));
    EXPECT_TRUE(sheet->child(8)->state().focused && !sheet->child(7)->state().focused);
    QToolTip::hideText();
    QTest::keyClick(pbData, Qt::Key_F2);
    EXPECT_EQ(std::pair(QToolTip::isVisible(), QToolTip::text()), std::pair(true, IronDensity));

    // The ends hold; Home and End reach them.
    QTest::keyClick(pbData, Qt::Key_End);
    QTest::keyClick(pbData, Qt::Key_Down);
    EXPECT_EQ(w.focusedSheetLine(), 29);
    QTest::keyClick(pbData, Qt::Key_Home);
    QTest::keyClick(pbData, Qt::Key_Up);
    EXPECT_EQ(w.focusedSheetLine(), 0);
    QTest::keyClick(pbData, Qt::Key_Up, Qt::ShiftModifier); // not a line key
    QTest::keyClick(pbData, Qt::Key_Down);
    // The focused line stays through another element.
    w.showElement(27);
    EXPECT_EQ(w.focusedSheetLine(), 1);
    EXPECT_TRUE(sheet->child(1)->text(QAccessible::Description).startsWith(u"Period 4 — "_s));

    // On the table page F2 shows nothing.
    w.tab_Frame_Click(0);
    QToolTip::hideText();
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(App, F1AndTheHeadersLinkOpenOneAboutPageInTheDesktopsFont)
{
    activate();
    EXPECT_EQ(w.aboutDialog(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto *about = qobject_cast<AboutDialog *>(w.aboutDialog());
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), &w);
    EXPECT_EQ(std::pair(about->windowTitle(),
                        QAccessible::queryAccessibleInterface(about)->text(QAccessible::Name)),
              std::pair(u"About Zelvane"_s, u"About Zelvane"_s));

    // Version and licence, every source of NOTICE with its version, licence and
    // what was taken, the fonts and theirs, where to report a wrong value.
    const QString page = about->pageText();
    for (const QString &text :
         {u"Zelvane 1.0"_s,
          u"are under the MIT licence in LICENSE, Copyright (c) 2026 Zelvane Works."_s,
          u"periodictable 1.6.0 (NIST)  [PT]"_s,
          u"Licence: public domain (\"This program is public domain.\")"_s,
          u"matterviz (version not recorded)  [MVZ]"_s, u"Taken: specific heats."_s,
          u"no trustworthy value  [none]"_s, u"Zelvane Sans and Zelvane Mono (Regular, Bold)"_s,
          u"Licence: SIL Open Font License 1.1 (OFL-1.1)."_s,
          u"SIL OPEN FONT LICENSE Version 1.1"_s})
        EXPECT_TRUE(page.contains(text)) << text.toStdString();
    for (const DataSource &source : builtInSources().notice().sources)
        for (const QString &line : source.lines)
            EXPECT_TRUE(page.contains(line)) << line.toStdString();

    // A dialog of the desktop, in its font (not one of the carried faces).
    EXPECT_EQ(about->font(), QApplication::font());

    // Once open, F1 and the link bring the same page forward; Escape closes it.
    about->hide();
    QLabel *link = control<QLabel>(w, "Label3");
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_TRUE(w.aboutDialog() == about && about->isVisible());
    EXPECT_EQ(w.findChildren<AboutDialog *>().size(), 1);
    about->hide();
    QAccessibleInterface *linkAccess = QAccessible::queryAccessibleInterface(link);
    EXPECT_EQ(std::tuple(linkAccess->role(), linkAccess->text(QAccessible::Name)),
              std::tuple(QAccessible::Button, u"About Zelvane"_s));
    linkAccess->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(about->isVisible());
}
