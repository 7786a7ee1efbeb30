// Where each value comes from: the sheet's tooltips, the line that has the
// sheet's keyboard focus and F2 for its source, and the About page.

#include "zelmain.h"

#include "aboutdialog.h"
#include "sheetsources.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolTip>

void ZelMain::createSourceKeys()
{
    const auto shortcut = [this](int key, void (ZelMain::*action)()) {
        auto *s = new QShortcut(QKeySequence(key), this);
        connect(s, &QShortcut::activated, this, [this, action] {
            // Nothing answers the keyboard while the banner locks the window.
            if (!tmAbout->isActive()) (this->*action)();
        });
    };
    shortcut(Qt::Key_F1, &ZelMain::showAbout);
    shortcut(Qt::Key_F2, &ZelMain::showSheetLineSource);
}

QString ZelMain::sheetLineSource(int line) const
{
    if (line < SheetTitleLine || line > SheetLineCount || CurrentElement < 0 ||
        CurrentElement > MaxElements)
        return {};
    return ::sheetLineSource(line, Elements.ElementTable[CurrentElement], CurrentElement,
                             ClassNames, builtInSources())
        .text();
}

QRect ZelMain::sheetLineRect(int line) const
{
    if (line < SheetTitleLine || line > SheetLineCount) return {};
    const auto [top, bottom] = m_sheetRows.rows[line];
    return bottom > top ? QRect(0, top, pbData->width(), bottom - top) : QRect();
}

void ZelMain::setFocusedSheetLine(int line)
{
    line = std::clamp(line, int(SheetTitleLine), int(SheetLineCount));
    pbData->setFocusPart(sheetLineRect(line));
    if (line == m_sheetLine) return;
    m_sheetLine = line;
    emit sheetLineFocused(line);
}

void ZelMain::showSheetLineSource()
{
    if (CurrentTab != 1 || !pbData->isVisible()) return;
    // The line with the sheet's focus; the sheet takes the focus, so that its
    // line shows.
    pbData->setFocus();
    setFocusedSheetLine(m_sheetLine);
    const QRect line = sheetLineRect(m_sheetLine);
    if (line.isEmpty()) return;
    QToolTip::showText(pbData->mapToGlobal(line.bottomLeft() + QPoint(ScreenValueColumn, 2)),
                       sheetLineSource(m_sheetLine), pbData, line);
}

void ZelMain::showAbout()
{
    if (!m_about) m_about = new AboutDialog(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

bool ZelMain::sheetEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int line = sheetLineAt(help->pos().y());
        if (line < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), sheetLineSource(line), pbData,
                               sheetLineRect(line));
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        pbData->setFocusPart(sheetLineRect(m_sheetLine));
        return false;
    }
    if (event->type() != QEvent::KeyPress || tmAbout->isActive()) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    switch (key->key()) {
    case Qt::Key_Up:
        setFocusedSheetLine(m_sheetLine - 1);
        return true;
    case Qt::Key_Down:
        setFocusedSheetLine(m_sheetLine + 1);
        return true;
    case Qt::Key_Home:
        setFocusedSheetLine(SheetTitleLine);
        return true;
    case Qt::Key_End:
        setFocusedSheetLine(SheetLineCount);
        return true;
    default:
        return false;
    }
}
