// The window without a mouse: the table's outline moved by the arrow keys,
// typing to find an element, the page, print, exit and copy shortcuts, and the
// mouse wheel over the sheet, the atom and the element bar.

#include "zelmain.h"

#include "datasheet.h"
#include "hittest.h"
#include "language.h"
#include "numbertext.h"
#include "tablekeys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QShortcut>
#include <QWheelEvent>

namespace {

constexpr int TypingPauseMs = 1000;
// The wheel's turn for one notch, in eighths of a degree.
constexpr int WheelNotch = 120;

CellStep stepFor(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return CellStep::Left;
    case Qt::Key_Right:
        return CellStep::Right;
    case Qt::Key_Up:
        return CellStep::Up;
    case Qt::Key_Down:
        return CellStep::Down;
    case Qt::Key_Home:
        return CellStep::First;
    default:
        return CellStep::Last;
    }
}

} // namespace

void ZelMain::createKeyboard()
{
    lbl_find = new QLabel(Frame5);
    lbl_find->setObjectName(QStringLiteral("lbl_find"));
    lbl_find->setGeometry(250, 19, 260, 17);
    lbl_find->setFont(font());
    QPalette pal = lbl_find->palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0xC0));
    lbl_find->setPalette(pal);
    lbl_find->hide();
    m_findTimer.setSingleShot(true);
    m_findTimer.setInterval(TypingPauseMs);
    connect(&m_findTimer, &QTimer::timeout, this, &ZelMain::clearFind);

    const auto shortcut = [this](QKeySequence keys, auto action) {
        auto *s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, [this, action] {
            // Nothing answers the keyboard while the banner locks the window.
            if (!tmAbout->isActive()) (this->*action)();
        });
    };
    for (QKeySequence keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        shortcut(keys, &ZelMain::switchPage);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &ZelMain::cb_print_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &ZelMain::cb_exit_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_C), &ZelMain::copyShown);

    // The sheet and the atom show when they hold the focus; the table shows it
    // as its outline.
    pbData->setShowsFocus(true);
    pbAtom->setShowsFocus(true);
    // The wheel over the sheet, the atom or the bar steps one element a notch.
    pbData->installEventFilter(this);
    pbAtom->installEventFilter(this);
    eScroll->installEventFilter(this);
}

void ZelMain::switchPage()
{
    tab_Frame_Click(CurrentTab == 0 ? 1 : 0);
}

void ZelMain::copyShown()
{
    QString text;
    if (CurrentTab == 1) {
        text = sheetTextLines(Elements.ElementTable[CurrentElement], ClassNames).join(u'\n');
    } else if (const qint16 e = outlinedElement(); e > 0) {
        const ElementRecord &r = Elements.ElementTable[e];
        text = QStringLiteral("%1, %2, %3, %4")
                   .arg(elementName(r), r.Symbol.trimmed())
                   .arg(r.AtomicNumber)
                   .arg(numberText(r.AtomicWeight));
    }
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void ZelMain::moveOutline(qint16 e)
{
    const std::optional<QRect> outline = SetPTsel(Cells, e, ptsel->size());
    if (!outline) return;
    HoverElement = e;
    m_outlineByKeys = true;
    ptsel->setGeometry(*outline);
    ptsel->show();
}

qint16 ZelMain::outlinedElement() const
{
    return ptsel->isHidden() ? 0 : HoverElement;
}

void ZelMain::clearFind()
{
    m_typed.clear();
    lbl_find->hide();
}

bool ZelMain::findTyped(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !m_typed.isEmpty()) {
        clearFind();
        return true;
    }
    if (event->key() == Qt::Key_Backspace && !m_typed.isEmpty()) {
        m_typed.chop(1);
    } else {
        const QString text = event->text();
        if (text.size() != 1 || !text.front().isLetterOrNumber()) return false;
        m_typed += text;
    }
    m_findTimer.start();
    const qint16 n = findElement(Elements, m_typed);
    if (n > 0)
        //: What was typed to find an element, and the element found; at most 260 pixels wide
        lbl_find->setText(Language::translate("Window", "Find: %1 - %2")
                              .arg(m_typed, elementName(Elements.ElementTable[n])));
    else
        //: What was typed, when no element matches; at most 260 pixels wide
        lbl_find->setText(Language::translate("Window", "Find: %1 - no element").arg(m_typed));
    lbl_find->show();
    if (n > 0 && CurrentTab == 0)
        moveOutline(n);
    else if (n > 0)
        eScroll->setValue(n);
    return true;
}

void ZelMain::keyPressEvent(QKeyEvent *event)
{
    if (tmAbout->isActive() || (event->modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The table answers the keys while it holds the window's focus, even while
    // another window is active.
    if (CurrentTab == 0 && (focusWidget() == pb || !focusWidget())) {
        const qint16 outlined = outlinedElement();
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            // With no outline the keys go on from the element shown.
            moveOutline(stepCell(Cells, Elements.ElementCount,
                                 outlined > 0 ? outlined : CurrentElement, stepFor(event->key())));
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (outlined > 0) {
                clearFind();
                pb_Click();
            }
            return;
        default:
            break;
        }
    }
    if (!findTyped(event)) QWidget::keyPressEvent(event);
}

bool ZelMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pbData && sheetEvent(event)) return true;
    if (watched == pb && tableHelpEvent(event)) return true;
    if (event->type() == QEvent::Wheel &&
        (watched == pbData || watched == pbAtom || watched == eScroll)) {
        turnWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ZelMain::turnWheel(int delta)
{
    // Fine wheels and touchpads send parts of a notch, which add up; a turn the
    // other way starts afresh, so a part left from before it makes no step.
    if ((delta < 0 && m_wheelRest > 0) || (delta > 0 && m_wheelRest < 0)) m_wheelRest = 0;
    const qint64 turned = qint64(m_wheelRest) + delta;
    const qint64 notches = turned / WheelNotch;
    m_wheelRest = int(turned - notches * WheelNotch);
    // Toward the user (negative) is down the bar, to the next atomic number; the
    // bar keeps its value within its range, and its change shows the element.
    if (notches != 0) eScroll->setValue(eScroll->value() - int(notches));
}
