#include "accessibility.h"

#include "aboutdialog.h"
#include "controls.h"
#include "datasheet.h"
#include "language.h"
#include "numbertext.h"
#include "zelmain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QPointer>

#include <map>

namespace {

// Names of the controls that show no words of their own.
struct ControlName
{
    const char *control;
    const char *name;
};
constexpr ControlName ControlNames[] = {
    {"pb", QT_TRANSLATE_NOOP("Accessibility", "Periodic table")},
    {"pbData", QT_TRANSLATE_NOOP("Accessibility", "Data sheet")},
    {"pbAtom", QT_TRANSLATE_NOOP("Accessibility", "Atom model")},
    {"eScroll", QT_TRANSLATE_NOOP("Accessibility", "Element")},
    {"cScroll", QT_TRANSLATE_NOOP("Accessibility", "Background Color")},
    {"atScroll", QT_TRANSLATE_NOOP("Accessibility", "Animation Speed")},
};

// A record's text as shown: without the NUL padding of blank fields, trimmed.
QString shownText(QString text)
{
    return text.remove(QChar(0)).trimmed();
}

ZelMain *mainWindowOf(const QWidget *widget)
{
    return qobject_cast<ZelMain *>(widget->window());
}

// The child controls a screen reader is shown: hidden ones and the hover
// outline (a drawing aid with nothing to say) are left out.
QList<QWidget *> shownChildren(const QWidget *parent)
{
    QList<QWidget *> shown;
    for (QObject *object : parent->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && child->isVisibleTo(parent) &&
            !qobject_cast<OutlineShape *>(child))
            shown << child;
    }
    return shown;
}

// A window, frame or picture: only its shown children, and nothing hidden
// offered as focusable.
class ContainerAccessible : public QAccessibleWidget
{
public:
    ContainerAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return int(shownChildren(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = shownChildren(widget());
        if (index < 0 || index >= shown.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(shown[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return int(shownChildren(widget()).indexOf(static_cast<QWidget *>(child->object())));
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!widget()->isVisible()) {
            s.invisible = true;
            s.focusable = false;
            s.focused = false;
        }
        return s;
    }
};

// A picture button: a command button, an option check box or a page tab. A tab
// is pressed in (checked) while its page is NOT shown, so a tab reports the
// shown page as selected rather than its checked value.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(PictureButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::Role role() const override
    {
        if (isTab()) return QAccessible::PageTab;
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
            if (!widget()->toolTip().isEmpty()) return widget()->toolTip();
            return button()->text();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (isTab()) {
            s.selectable = true;
            s.selected = !button()->isChecked();
        } else if (button()->isCheckable()) {
            s.checkable = true;
            s.checked = button()->isChecked();
        }
        if (!widget()->isVisible()) s.focusable = false;
        return s;
    }
    QStringList actionNames() const override
    {
        return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction()) button()->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    PictureButton *button() const { return static_cast<PictureButton *>(widget()); }
    bool isTab() const { return widget()->objectName().startsWith(QLatin1String("tab_Frame")); }
};

// The header's link to the About page: a button with its name.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *link) : QAccessibleWidget(link, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<HeaderLink *>(widget())->activated();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A part of a picture with no object and no parts of its own: a table cell or
// a sheet line. Its text is read, never set.
class LeafAccessible : public QAccessibleInterface
{
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
};

class TableAccessible;

// One element cell of the table picture.
class CellAccessible : public LeafAccessible, public QAccessibleActionInterface
{
public:
    CellAccessible(TableAccessible *table, qint16 z) : m_table(table), m_z(z) {}

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    // Pressing a cell opens its element, as a click does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    const ElementRecord *record() const;

    TableAccessible *m_table;
    qint16 m_z;
};

// The table picture: the banner while it shows, then one child per drawn
// element cell, in atomic number order. The outlined cell is the focused one.
class TableAccessible : public ContainerAccessible
{
public:
    explicit TableAccessible(QWidget *pb) : ContainerAccessible(pb, QAccessible::Table) {}
    ~TableAccessible() override
    {
        for (const auto &cell : m_cellIds)
            QAccessible::deleteAccessibleInterface(cell.second);
    }

    ZelMain *mainWindow() const { return mainWindowOf(widget()); }
    QWidget *picture() const { return widget(); }

    // The atomic numbers of the drawn cells.
    QList<qint16> drawnCells() const
    {
        QList<qint16> drawn;
        const ZelMain *w = mainWindow();
        if (!w) return drawn;
        for (qint16 z = 1; z <= std::min<int>(w->elements().ElementCount, MaxElements); ++z)
            if (w->cells()[z] != CellRect{}) drawn << z;
        return drawn;
    }
    // The cell of element z, made when first asked for; null for an undrawn one.
    QAccessibleInterface *cell(qint16 z) const
    {
        if (!drawnCells().contains(z)) return nullptr;
        auto found = m_cellIds.find(z);
        if (found == m_cellIds.end()) {
            const QAccessible::Id id = QAccessible::registerAccessibleInterface(
                new CellAccessible(const_cast<TableAccessible *>(this), z));
            found = m_cellIds.emplace(z, id).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int childCount() const override
    {
        return ContainerAccessible::childCount() + int(drawnCells().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int widgets = ContainerAccessible::childCount();
        if (index < widgets) return ContainerAccessible::child(index);
        const QList<qint16> drawn = drawnCells();
        if (index - widgets >= drawn.size()) return nullptr;
        return cell(drawn[index - widgets]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &cellId : m_cellIds) {
            if (QAccessible::accessibleInterface(cellId.second) == child) {
                const int at = int(drawnCells().indexOf(cellId.first));
                return at < 0 ? -1 : ContainerAccessible::childCount() + at;
            }
        }
        return ContainerAccessible::indexOfChild(child);
    }
    QAccessibleInterface *focusChild() const override
    {
        const ZelMain *w = mainWindow();
        return w && w->outlinedElement() > 0 ? cell(w->outlinedElement()) : nullptr;
    }

private:
    mutable std::map<qint16, QAccessible::Id> m_cellIds;
};

bool CellAccessible::isValid() const
{
    return m_table->isValid() && m_table->drawnCells().contains(m_z);
}

QWindow *CellAccessible::window() const
{
    return m_table->window();
}

QAccessibleInterface *CellAccessible::parent() const
{
    return m_table;
}

const ElementRecord *CellAccessible::record() const
{
    const ZelMain *w = m_table->mainWindow();
    return w ? &w->elements().ElementTable[m_z] : nullptr;
}

QString CellAccessible::text(QAccessible::Text t) const
{
    const ElementRecord *r = record();
    if (!r) return {};
    if (t == QAccessible::Name) return shownText(elementName(*r));
    // In a view other than the classes, the value viewed, as the tooltip gives it.
    const ZelMain *w = m_table->mainWindow();
    if (t == QAccessible::Description && w && w->tableView().view != 0)
        return cellViewText(w->tableView(), *r);
    if (t == QAccessible::Description)
        return QStringList{QString::number(r->AtomicNumber), shownText(r->Symbol),
                           numberText(r->AtomicWeight),
                           classificationText(classificationNames(), r->Classification).trimmed(),
                           stateText(r->State)}
            .join(QLatin1String(", "));
    return {};
}

QRect CellAccessible::rect() const
{
    const ZelMain *w = m_table->mainWindow();
    if (!w) return {};
    const CellRect &c = w->cells()[m_z];
    const QPoint topLeft = m_table->picture()->mapToGlobal(QPoint(c.Left, c.Top));
    return QRect(topLeft, QSize(c.Right - c.Left + 1, c.Bottom - c.Top + 1));
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State s;
    const QWidget *pb = m_table->picture();
    const ZelMain *w = m_table->mainWindow();
    s.invisible = !pb->isVisible();
    s.disabled = !pb->isEnabled();
    s.focusable = s.selectable = !s.invisible;
    const bool outlined = w && w->outlinedElement() == m_z;
    s.selected = outlined;
    s.focused = outlined && pb->hasFocus();
    return s;
}

void CellAccessible::doAction(const QString &action)
{
    ZelMain *w = m_table->mainWindow();
    if (action == pressAction() && w && m_table->picture()->isEnabled() &&
        m_table->picture()->isVisible())
        w->showElement(m_z);
}

class SheetAccessible;

// One line of the data sheet (0 the title line): its text as its name, where
// its value comes from as its description. The line with the sheet's keyboard
// focus is the focused one.
class SheetLineAccessible : public LeafAccessible
{
public:
    SheetLineAccessible(SheetAccessible *sheet, int line) : m_sheet(sheet), m_line(line) {}

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

private:
    SheetAccessible *m_sheet;
    int m_line;
};

// The data sheet: the shown element's sheet as lines of plain text, and each
// line as a child with its value's source.
class SheetAccessible : public ContainerAccessible, public QAccessibleTextInterface
{
public:
    explicit SheetAccessible(QWidget *pbData) : ContainerAccessible(pbData, QAccessible::StaticText)
    {
    }
    ~SheetAccessible() override
    {
        for (const auto &line : m_lineIds)
            QAccessible::deleteAccessibleInterface(line.second);
    }

    ZelMain *mainWindow() const { return mainWindowOf(widget()); }
    QWidget *picture() const { return widget(); }
    // The sheet's lines as the window shows them now: none without an element.
    QStringList lines() const
    {
        const ZelMain *w = mainWindow();
        if (!w || w->currentElement() < 0 || w->currentElement() > MaxElements) return {};
        return sheetTextLines(w->elements().ElementTable[w->currentElement()],
                              classificationNames());
    }
    QAccessibleInterface *line(int index) const
    {
        if (index < 0 || index > SheetLineCount || lines().isEmpty()) return nullptr;
        auto found = m_lineIds.find(index);
        if (found == m_lineIds.end()) {
            const QAccessible::Id id = QAccessible::registerAccessibleInterface(
                new SheetLineAccessible(const_cast<SheetAccessible *>(this), index));
            found = m_lineIds.emplace(index, id).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int childCount() const override { return lines().isEmpty() ? 0 : SheetLineCount + 1; }
    QAccessibleInterface *child(int index) const override { return line(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &lineId : m_lineIds)
            if (QAccessible::accessibleInterface(lineId.second) == child) return lineId.first;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const ZelMain *w = mainWindow();
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        return w && widget()->rect().contains(at) ? line(w->sheetLineAt(at.y())) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const ZelMain *w = mainWindow();
        return w && widget()->hasFocus() ? line(w->focusedSheetLine()) : nullptr;
    }

    QString sheetText() const { return lines().join(QLatin1Char('\n')); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return sheetText();
        return ContainerAccessible::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = ContainerAccessible::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return ContainerAccessible::interface_cast(type);
    }

    // Read-only text without a caret or selection.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString all = sheetText();
        start = std::clamp(start, 0, int(all.size()));
        end = std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(sheetText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    mutable std::map<int, QAccessible::Id> m_lineIds;
};

bool SheetLineAccessible::isValid() const
{
    return m_sheet->isValid() && m_line < m_sheet->childCount();
}

QWindow *SheetLineAccessible::window() const
{
    return m_sheet->window();
}

QAccessibleInterface *SheetLineAccessible::parent() const
{
    return m_sheet;
}

QString SheetLineAccessible::text(QAccessible::Text t) const
{
    const ZelMain *w = m_sheet->mainWindow();
    if (!w) return {};
    if (t == QAccessible::Name) return m_sheet->lines().value(m_line);
    if (t == QAccessible::Description) return w->sheetLineSource(m_line);
    return {};
}

QRect SheetLineAccessible::rect() const
{
    const ZelMain *w = m_sheet->mainWindow();
    if (!w) return {};
    const QRect line = w->sheetLineRect(m_line);
    return line.isEmpty() ? QRect() : line.translated(m_sheet->picture()->mapToGlobal(QPoint()));
}

QAccessible::State SheetLineAccessible::state() const
{
    QAccessible::State s;
    const QWidget *pbData = m_sheet->picture();
    const ZelMain *w = m_sheet->mainWindow();
    s.invisible = !pbData->isVisible();
    s.readOnly = true;
    s.focusable = !s.invisible;
    s.focused = w && pbData->hasFocus() && w->focusedSheetLine() == m_line;
    return s;
}
// A chooser (a combo box) named with what it shows, "View: Density", so that
// its choice is read with its name. Its list is offered only while it is open.
class ChooserAccessible : public QAccessibleWidget
{
public:
    explicit ChooserAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            //: A chooser's name and its choice: "View: Density"
            return Language::translate("Accessibility", "%1: %2")
                .arg(widget()->accessibleName(), box()->currentText());
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return listShown() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && listShown() ? QAccessible::queryAccessibleInterface(box()->view())
                                         : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return listShown() && child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = listShown();
        s.collapsed = !listShown();
        if (!widget()->isVisible()) s.focusable = false;
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction()) box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    bool listShown() const { return box()->view() && box()->view()->isVisible(); }
};

QAccessibleInterface *zelvaneAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ZelMain"))
        return new ContainerAccessible(widget, QAccessible::Window);
    if (className == QLatin1String("HeaderLink")) return new LinkAccessible(widget);
    if (className == QLatin1String("PictureButton"))
        return new ButtonAccessible(static_cast<PictureButton *>(widget));
    if (className == QLatin1String("ColourFrame"))
        return new ContainerAccessible(widget, QAccessible::Pane);
    if (className == QLatin1String("Chooser"))
        return new ChooserAccessible(static_cast<QComboBox *>(widget));
    if (className == QLatin1String("ViewPanel"))
        return new ContainerAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("PictureBox")) {
        if (widget->objectName() == QLatin1String("pb") && mainWindowOf(widget))
            return new TableAccessible(widget);
        if (widget->objectName() == QLatin1String("pbData") && mainWindowOf(widget))
            return new SheetAccessible(widget);
        return new ContainerAccessible(
            widget, widget->accessibleName().isEmpty() ? QAccessible::Pane : QAccessible::Graphic);
    }
    return nullptr;
}

// Registered before any window is made: Qt keeps the first interface it made
// for a control, even one made while no screen reader listens.
[[maybe_unused]] const bool factoryInstalled =
    (QAccessible::installFactory(zelvaneAccessible), true);

// Tells a listening screen reader what changed: the outlined cell, the sheet's
// text, the shown page.
class AccessibilityNotifier : public QObject
{
public:
    explicit AccessibilityNotifier(ZelMain &window) : QObject(&window)
    {
        m_pb = window.findChild<QWidget *>(QStringLiteral("pb"));
        m_pbData = window.findChild<QWidget *>(QStringLiteral("pbData"));
        if (auto *ptsel = window.findChild<QWidget *>(QStringLiteral("ptsel")))
            ptsel->installEventFilter(this);
        connect(&window, &ZelMain::displayed, this, [this] { sheetChanged(); });
        connect(&window, &ZelMain::sheetLineFocused, this, [this](int line) {
            if (!m_pbData || !QAccessible::isActive() || !m_pbData->hasFocus()) return;
            auto *sheet =
                dynamic_cast<SheetAccessible *>(QAccessible::queryAccessibleInterface(m_pbData));
            if (QAccessibleInterface *focused = sheet ? sheet->line(line) : nullptr) {
                QAccessibleEvent focus(focused, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        });
        // A chooser's name says what it shows: a new choice renames it.
        for (auto *box : window.findChildren<QComboBox *>()) {
            connect(box, &QComboBox::currentIndexChanged, this, [box] {
                if (!QAccessible::isActive()) return;
                QAccessibleEvent event(box, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            });
        }
        for (auto *tab : window.findChildren<PictureButton *>()) {
            if (!tab->objectName().startsWith(QLatin1String("tab_Frame"))) continue;
            connect(tab, &QAbstractButton::toggled, this, [tab] {
                if (!QAccessible::isActive()) return;
                QAccessible::State changed;
                changed.selected = true;
                QAccessibleStateChangeEvent event(tab, changed);
                QAccessible::updateAccessibility(&event);
            });
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The outline moves or shows over the cell under the mouse.
        if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && m_pb &&
            QAccessible::isActive() && m_pb->hasFocus()) {
            auto *table =
                dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(m_pb));
            if (QAccessibleInterface *cell = table ? table->focusChild() : nullptr) {
                QAccessibleEvent focus(cell, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void sheetChanged()
    {
        if (!m_pbData || !QAccessible::isActive()) return;
        auto *sheet =
            dynamic_cast<SheetAccessible *>(QAccessible::queryAccessibleInterface(m_pbData));
        if (!sheet) return;
        const QString text = sheet->sheetText();
        if (text == m_sheetText) return;
        QAccessibleTextUpdateEvent event(m_pbData, 0, m_sheetText, text);
        m_sheetText = text;
        QAccessible::updateAccessibility(&event);
    }

    QPointer<QWidget> m_pb, m_pbData;
    QString m_sheetText;
};

} // namespace

void installAccessibility(ZelMain &window)
{
    for (const ControlName &c : ControlNames)
        if (auto *control = window.findChild<QWidget *>(QLatin1String(c.control)))
            control->setAccessibleName(Language::translate("Accessibility", c.name));
    // Controls that show a picture are named by their tooltip's words.
    for (QWidget *control : window.findChildren<QWidget *>())
        if (control->accessibleName().isEmpty() && !control->toolTip().isEmpty())
            control->setAccessibleName(control->toolTip());

    new AccessibilityNotifier(window);
}
