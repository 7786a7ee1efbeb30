// The table's views: the chooser over the table's empty top right, the key's
// highlight by pointer and keyboard, the state view's temperature, and each
// cell's viewed value as its tooltip.

#include "zelmain.h"

#include "creatept.h"
#include "hittest.h"
#include "language.h"
#include "viewcontrols.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>

#include <cmath>
#include <functional>

namespace {

// Over the table picture's top right, right of the key cell's labels and
// above the group headings of row 2: three lines of label and control.
constexpr QRect ViewPanelGeometry(460, 46, 262, 64);
constexpr int LabelWidth = 70;
constexpr int LineHeight = 20;
constexpr int LineStep = 22;

QLabel *panelLabel(QWidget *panel, int line, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, panel);
    // Right-aligned, so that they keep clear of the key cell's labels.
    label->setGeometry(0, line * LineStep, LabelWidth - 4, LineHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    label->setBuddy(buddy);
    return label;
}

struct UnitChoice
{
    TemperatureUnit unit;
    int decimals;
};

} // namespace

void ZelMain::createViewControls()
{
    viewPanel = new ViewPanel(this);
    viewPanel->setObjectName(QStringLiteral("viewPanel"));
    viewPanel->setGeometry(ViewPanelGeometry);
    // On the page's blue, with the keyboard's focus in orange, plain to see.
    QPalette pal = viewPanel->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(toQRgb(ColourPageBlue)));
    pal.setColor(QPalette::Highlight, QColor(255, 160, 0));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    viewPanel->setPalette(pal);

    viewChooser = new Chooser(viewPanel);
    viewChooser->setObjectName(QStringLiteral("viewChooser"));
    viewChooser->setGeometry(LabelWidth, 0, ViewPanelGeometry.width() - LabelWidth, LineHeight);
    const std::vector<TableViewDef> &views = tableViews();
    for (size_t i = 0; i < views.size(); ++i)
        viewChooser->addItem(views[i].title, int(i));
    viewChooser->setMaxVisibleItems(int(views.size()));
    viewChooser->setAccessibleName(Language::translate("ViewPanel", "View"));

    highlightChooser = new Chooser(viewPanel);
    highlightChooser->setObjectName(QStringLiteral("highlightChooser"));
    highlightChooser->setGeometry(LabelWidth, LineStep, ViewPanelGeometry.width() - LabelWidth,
                                  LineHeight);
    highlightChooser->setAccessibleName(Language::translate("ViewPanel", "Highlight"));

    const int y = 2 * LineStep;
    temperatureSlider = new TemperatureSlider(Qt::Horizontal, viewPanel);
    temperatureSlider->setObjectName(QStringLiteral("temperatureSlider"));
    temperatureSlider->setGeometry(LabelWidth, y, 80, LineHeight);
    temperatureSlider->setRange(int(MinKelvin), int(MaxKelvin));
    temperatureSlider->setSingleStep(1);
    temperatureSlider->setPageStep(100);
    temperatureSlider->setFocusPolicy(Qt::StrongFocus);
    temperatureSlider->setAccessibleName(Language::translate("ViewPanel", "Temperature in kelvin"));
    temperatureField = new TemperatureField(viewPanel);
    temperatureField->setObjectName(QStringLiteral("temperatureField"));
    temperatureField->setGeometry(LabelWidth + 82, y, 62, LineHeight);
    temperatureField->setButtonSymbols(QAbstractSpinBox::NoButtons);
    temperatureField->setDecimals(2);
    temperatureField->setAccessibleName(Language::translate("ViewPanel", "Temperature"));
    unitChooser = new Chooser(viewPanel);
    unitChooser->setObjectName(QStringLiteral("unitChooser"));
    unitChooser->setGeometry(LabelWidth + 146, y, ViewPanelGeometry.width() - LabelWidth - 146,
                             LineHeight);
    for (const TemperatureUnit unit :
         {TemperatureUnit::Kelvin, TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit})
        unitChooser->addItem(unitSymbol(unit), int(unit));
    unitChooser->setAccessibleName(Language::translate("ViewPanel", "Temperature unit"));

    // Alt and the underlined letter reach each control.
    //: A label right of the table's key, at most 66 pixels wide; & marks the Alt key's letter
    lbl_view = panelLabel(viewPanel, 0, Language::translate("ViewPanel", "&View"), viewChooser);
    //: A label right of the table's key, at most 66 pixels wide; & marks the Alt key's letter
    lbl_highlight =
        panelLabel(viewPanel, 1, Language::translate("ViewPanel", "&Highlight"), highlightChooser);
    //: A label right of the table's key, at most 66 pixels wide; & marks the Alt key's letter
    lbl_temperature = panelLabel(viewPanel, 2, Language::translate("ViewPanel", "&Temperature"),
                                 temperatureField);
    for (QLabel *label : {lbl_view, lbl_highlight, lbl_temperature})
        label->setObjectName(label == lbl_view        ? QStringLiteral("lbl_view")
                             : label == lbl_highlight ? QStringLiteral("lbl_highlight")
                                                      : QStringLiteral("lbl_temperature"));

    showTemperature();
    fillHighlightChooser();
    for (QWidget *c : std::initializer_list<QWidget *>{temperatureSlider, temperatureField,
                                                       unitChooser, lbl_temperature})
        c->hide();
    viewPanel->raise();
    viewPanel->hide();

    connect(viewChooser, &QComboBox::currentIndexChanged, this, &ZelMain::viewChosen);
    connect(highlightChooser, &QComboBox::currentIndexChanged, this, &ZelMain::highlightChosen);
    connect(temperatureSlider, &QSlider::valueChanged, this, &ZelMain::temperatureSlid);
    connect(temperatureField, &QDoubleSpinBox::valueChanged, this, &ZelMain::temperatureTyped);
    connect(unitChooser, &QComboBox::currentIndexChanged, this, &ZelMain::temperatureUnitChosen);
    connect(pb, &PictureBox::clicked, this, &ZelMain::keyClick);
    // Its tooltips come through the window's event filter.
    pb->installEventFilter(this);

    // Tab goes from the table to the chooser, the highlight and the
    // temperature, then on as before.
    QWidget *previous = pb;
    for (QWidget *next : std::initializer_list<QWidget *>{
             viewChooser, highlightChooser, temperatureSlider, temperatureField, unitChooser}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

TableView ZelMain::tableView() const
{
    TableView view = m_view;
    if (m_hoverGroup != NoHighlight) view.highlight = m_hoverGroup;
    return view;
}

void ZelMain::setTableView(int view)
{
    if (view < 0 || view >= viewChooser->count()) view = 0;
    // An unchanged choice raises no change, but the view is set all the same.
    if (viewChooser->currentIndex() == view)
        viewChosen();
    else
        viewChooser->setCurrentIndex(view);
}

void ZelMain::setTemperature(const Temperature &temperature)
{
    m_view.kelvin = std::clamp(temperature.kelvin, MinKelvin, MaxKelvin);
    m_view.unit = temperature.unit;
    {
        const QSignalBlocker blocked(unitChooser);
        unitChooser->setCurrentIndex(unitChooser->findData(int(temperature.unit)));
    }
    showTemperature();
    redrawTable();
}

void ZelMain::viewChosen()
{
    m_view.view = viewChooser->currentData().toInt();
    m_view.highlight = NoHighlight;
    m_hoverGroup = NoHighlight;
    fillHighlightChooser();
    const bool state = tableViews()[size_t(m_view.view)].kind == ViewKind::State;
    for (QWidget *c : std::initializer_list<QWidget *>{temperatureSlider, temperatureField,
                                                       unitChooser, lbl_temperature})
        c->setVisible(state);
    redrawTable();
}

// The highlight chooser offers the groups of the view's key.
void ZelMain::fillHighlightChooser()
{
    const QSignalBlocker blocked(highlightChooser);
    highlightChooser->clear();
    //: The highlight chooser's first entry: no group of the key is highlighted
    highlightChooser->addItem(Language::translate("ViewPanel", "None"), NoHighlight);
    const TableColouring colouring(m_view, Elements, classColours());
    for (const KeyItem &item : colouring.keyItems())
        highlightChooser->addItem(item.label, item.group);
    highlightChooser->setCurrentIndex(highlightChooser->findData(m_view.highlight));
}

void ZelMain::highlightChosen()
{
    m_view.highlight = highlightChooser->currentData().toInt();
    redrawTable();
}

void ZelMain::temperatureSlid(int kelvin)
{
    m_view.kelvin = kelvin;
    showTemperature();
    redrawTable();
}

void ZelMain::temperatureTyped(double value)
{
    m_view.kelvin = std::clamp(toKelvin(value, m_view.unit), MinKelvin, MaxKelvin);
    const QSignalBlocker blocked(temperatureSlider);
    temperatureSlider->setValue(int(std::lround(m_view.kelvin)));
    redrawTable();
}

void ZelMain::temperatureUnitChosen()
{
    m_view.unit = TemperatureUnit(unitChooser->currentData().toInt());
    showTemperature();
    // The key writes the temperature in the unit chosen.
    redrawTable();
}

// The slider and the field show the temperature kept, the field in its unit.
void ZelMain::showTemperature()
{
    const QSignalBlocker blockSlider(temperatureSlider);
    const QSignalBlocker blockField(temperatureField);
    temperatureSlider->setValue(int(std::lround(m_view.kelvin)));
    temperatureField->setRange(fromKelvin(MinKelvin, m_view.unit),
                               fromKelvin(MaxKelvin, m_view.unit));
    temperatureField->setValue(fromKelvin(m_view.kelvin, m_view.unit));
}

void ZelMain::keyHover(double x, double y)
{
    int group = NoHighlight;
    const QPoint at(roundPointerCoordinate(x), roundPointerCoordinate(y));
    for (const KeyArea &area : m_keyAreas)
        if (area.rect.contains(at)) group = area.group;
    if (group == m_hoverGroup) return;
    m_hoverGroup = group;
    redrawTable();
}

void ZelMain::keyClick()
{
    if (m_hoverGroup == NoHighlight) return;
    m_view.highlight = m_view.highlight == m_hoverGroup ? NoHighlight : m_hoverGroup;
    const QSignalBlocker blocked(highlightChooser);
    highlightChooser->setCurrentIndex(highlightChooser->findData(m_view.highlight));
    redrawTable();
}

bool ZelMain::tableHelpEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave) {
        keyHover(-1, -1);
        return false;
    }
    if (event->type() != QEvent::ToolTip) return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    const qint16 e =
        GetRCfromXY(Cells, Elements.ElementCount, qint16(help->pos().x()), qint16(help->pos().y()));
    if (e > 0) {
        const CellRect &c = Cells[e];
        QToolTip::showText(help->globalPos(), cellViewText(m_view, Elements.ElementTable[e]), pb,
                           QRect(c.Left, c.Top, c.Right - c.Left, c.Bottom - c.Top));
    } else {
        QToolTip::hideText();
    }
    return true;
}
