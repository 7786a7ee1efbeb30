#include "zelmain.h"

#include "accessibility.h"
#include "animation.h"
#include "atomdraw.h"
#include "atomsprites.h"
#include "banner.h"
#include "controlart.h"
#include "datasheet.h"
#include "hittest.h"
#include "language.h"
#include "pageprinter.h"
#include "platform.h"
#include "tableartwork.h"
#include "vectorcanvas.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

constexpr int WindowWidth = 800;
constexpr int WindowHeight = 600;
constexpr int BannerWidth = 540;
constexpr int BannerHeight = 200;
constexpr int FrameMs = 15;
// At most this many ticks are made at once (a whole turn of the fastest
// level), as a stalled timer skips ticks.
constexpr int MaxTicksAtOnce = 45;

// The picture's part the 8 x 8 blocks at the given corners lie in, as one
// rectangle: painted and sent to the display as one piece, it costs less than
// the many small rectangles of the blocks themselves.
QRect blockBounds(const std::vector<AtomPoint> &blocks)
{
    QRect bounds;
    for (const AtomPoint &b : blocks)
        bounds |= QRect(b.x, b.y, SpriteSize, SpriteSize);
    return bounds & QRect(0, 0, AtomPictureSize, AtomPictureSize);
}

QString tagOf(const QWidget *tab)
{
    return tab->property("tag").toString();
}

void setLabelColour(QLabel *label, Colour colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(toQRgb(colour)));
    label->setPalette(pal);
}

} // namespace

ZelMain::ZelMain(Platform &platform) : m_platform(platform)
{
    Elements.ElementTable.fill(ElementRecord::blank());
    Cells.fill(CellRect{});
    createControls();
    connectHandlers();
    setTabOrderByDesign();
    createKeyboard();
    createSourceKeys();
    createViewControls();
    installAccessibility(*this);
}

ZelMain::~ZelMain() = default;

AtomModel &ZelMain::atomModel() const
{
    if (!m_atom) m_atom.emplace();
    return *m_atom;
}

void ZelMain::connectHandlers()
{
    for (int i = 0; i < 4; ++i) {
        // A tab's click comes with every change of its value, from the user or code.
        connect(tab_Frame[i], &QAbstractButton::toggled, this, [this, i] { tab_Frame_Click(i); });
        connect(tab_Frame[i], &PictureButton::mouseUp, this, &ZelMain::SetTabFocus);
    }
    connect(cb_print, &QAbstractButton::clicked, this, &ZelMain::cb_print_Click);
    connect(cb_print, &PictureButton::mouseUp, this, &ZelMain::SetTabFocus);
    connect(cb_exit, &QAbstractButton::clicked, this, &ZelMain::cb_exit_Click);
    connect(cb_exit, &PictureButton::mouseUp, this, &ZelMain::SetTabFocus);
    connect(tmAbout, &QTimer::timeout, this, &ZelMain::tmAbout_Timer);
    connect(tmElectron, &QTimer::timeout, this, &ZelMain::tmElectron_Timer);
    connect(pb, &PictureBox::mouseMoved, this, &ZelMain::pb_MouseMove);
    connect(pb, &PictureBox::clicked, this, &ZelMain::pb_Click);
    connect(eScroll, &QScrollBar::valueChanged, this, &ZelMain::eScroll_Change);
    connect(atScroll, &QScrollBar::valueChanged, this, &ZelMain::atScroll_Change);
    connect(cScroll, &QScrollBar::valueChanged, this, &ZelMain::cScroll_Change);
    connect(ck_animate, &QAbstractButton::toggled, this, &ZelMain::ck_animate_Click);
    connect(ck_ColorRings, &QAbstractButton::toggled, this, &ZelMain::ck_ColorRings_Click);
    connect(ck_dispRings, &QAbstractButton::toggled, this, &ZelMain::ck_dispRings_Click);
    connect(ring_opt, &QAbstractButton::toggled, this, &ZelMain::ring_opt_Click);
    // A clicked option keeps no focus: it goes to the data sheet.
    for (PictureButton *box : {ck_animate, ck_ColorRings, ck_dispRings, ring_opt})
        connect(box, &PictureButton::mouseUp, this, [this] { pbData->setFocus(); });
}

QString ZelMain::Form_Load(const ElementData *loaded)
{
    InitClassificationNames(ClassNames);
    PrintMode = 0;
    CurrentElement = 1;
    // The level table, the nucleon slots and the paths of the layout ring_opt
    // starts with (elliptic) are filled when the first atom is drawn.

    if (loaded) {
        Elements = *loaded;
    } else {
        const QString error = LoadElementTable(m_platform.dataFile(), Elements);
        if (!error.isEmpty()) return error;
    }

    // An empty table still leaves element 1 (blank) to show.
    eScroll->setMaximum(std::max<int>(1, Elements.ElementCount));
    eScroll->setValue(CurrentElement);

    TabSwitchState = 1;
    tab_Frame_Click(0);
    atScroll->setValue(60);
    // Element 1 is drawn when the Element page is first shown: the table page
    // comes first, and many runs never open the other.
    m_elementPending = true;
    return {};
}

void ZelMain::layOutPages()
{
    // The outer window is 800 x 600; without a window frame that is the client area.
    setFixedSize(WindowWidth, WindowHeight);
    PT_Frame->setGeometry(E_Frame->geometry());
    redrawTable();
}

void ZelMain::redrawTable()
{
    applyTableLayout(CreatePT(pb->surface(), 0, Elements, tableArtwork(pb->surface().scale()),
                              Cells, E_Frame->pos(), tableView()));
}

void ZelMain::finishStartUp()
{
    // Centred on the screen when first shown. A window manager's frame is known
    // only some time after the window is mapped; fitToFrame takes it out of the
    // 800 x 600 then.
    layOutPages();
    placeCentred();
    show();
    fitToFrame();

    for (QWidget *control : bannerLockedControls())
        control->setEnabled(false);

    lbl_about->resize(BannerWidth, BannerHeight);
    lbl_about->move(pb->width() / 2 - BannerWidth / 2, pb->height() / 2 - BannerHeight / 2);
    lbl_about->setText(bannerDisplayText());
    lbl_about->show();
    tmAbout->start();
}

void ZelMain::applyTableLayout(const PTLayout &layout)
{
    if (!layout.pbGeometry.isEmpty()) {
        // pb lies on the window, so its place is in window coordinates.
        pb->moveAndResize(layout.pbGeometry);
    }
    ptsel->resize(layout.ptselSize);
    m_keyAreas = layout.keyAreas;
    pb->update();
}

void ZelMain::tab_Frame_Click(int index)
{
    if (TabSwitchState == 2) return;
    TabSwitchState = 2;
    for (int i = 0; i < 4; ++i)
        tab_Frame[i]->setValue(i == index ? 0 : 1);
    TabSwitchState = 1;
    CurrentTab = qint16(index);

    E_Frame->hide();
    PT_Frame->hide();
    pb->hide();
    ptsel->hide();
    viewPanel->hide();

    const QString tag = tagOf(tab_Frame[index]);
    if (tag == QLatin1String("Table")) {
        setElectronTimer(false);
        PT_Frame->show();
        pb->show();
        // The keyboard's place on the table is kept; the pointer's outline is
        // not, as the pointer may be anywhere by now.
        if (m_outlineByKeys) moveOutline(HoverElement);
        viewPanel->show();
        lbl_click->show();
        if (pb->isVisible()) pb->setFocus();
    } else if (tag == QLatin1String("Element")) {
        if (m_elementPending) DispAtom(CurrentElement);
        restoreElectronTimer();
        E_Frame->show();
        lbl_click->hide();
        if (eScroll->isVisible()) eScroll->setFocus();
    }
    tabs_fr->raise();
}

void ZelMain::SetTabFocus()
{
    const QString tag = tagOf(tab_Frame[CurrentTab]);
    if (tag == QLatin1String("Table"))
        pb->setFocus();
    else if (tag == QLatin1String("Element"))
        eScroll->setFocus();
}

void ZelMain::tmAbout_Timer()
{
    lbl_about->hide();
    tmAbout->stop();
    for (QWidget *control : bannerLockedControls())
        control->setEnabled(true);
    // The table was locked when the page was chosen; now the keyboard can reach it.
    SetTabFocus();
    if (m_openAfterBanner > 0) showElement(std::exchange(m_openAfterBanner, 0));
}

void ZelMain::cb_exit_Click()
{
    m_platform.endProgram();
}

void ZelMain::pb_MouseMove(double x, double y)
{
    const HoverResult hover = pbMouseMove(Cells, Elements.ElementCount, ptsel->size(), x, y);
    HoverElement = hover.hoverElement;
    m_outlineByKeys = false;
    if (hover.outline) {
        ptsel->setGeometry(*hover.outline);
        ptsel->show();
    } else {
        ptsel->hide();
    }
    keyHover(x, y);
}

void ZelMain::pb_Click()
{
    if (HoverElement < 1) return;
    showElement(HoverElement);
}

void ZelMain::showElement(qint16 n)
{
    if (eScroll->value() == n)
        eScroll_Change();
    else
        eScroll->setValue(n);
    tab_Frame_Click(1);
}

void ZelMain::eScroll_Change()
{
    setElectronTimer(false);
    CurrentElement = qint16(eScroll->value());
    DispAtom(CurrentElement);
}

void ZelMain::DispAtom(qint16 n)
{
    m_elementPending = false;
    setElectronTimer(false);
    // On paper the atom is drawn into pictures of its own, at the paper's scale.
    Surface &atom = PrintMode ? m_paper->atom : pbAtom->surface();
    Surface &save = PrintMode ? m_paper->save : pbSave->surface();
    Surface &hold = PrintMode ? m_paper->hold : pbHold->surface();
    atom.clearPicture();
    if (n < 0 || n > MaxElements) return;
    const ElementRecord &record = Elements.ElementTable[n];
    d_neutrons->setText(QString::number(record.Neutrons));
    d_protons->setText(QString::number(record.AtomicNumber));

    const AtomSprites &sprites = atomSprites(atom.scale());
    if (PrintMode) {
        const AtomSprites &s = sprites;
        const QSizeF area = m_platform.printer().printableSize(PageOrientation::Portrait);
        PrintHeaderY = writePrintSheet(PrintPage, m_paper->scratch, Elements, n, ClassNames,
                                       {s.pbP, s.pbN, s.pbE, s.pbEmask},
                                       pbAtom->height() * PageCanvas::TwipsPerPixel, area.width(),
                                       &builtInSources(), area.height());
    } else {
        const TableArtwork &art = tableArtwork(pbData->surface().scale());
        m_sheetRows =
            writeScreenSheet(pbData->surface(), Elements, n, ClassNames, {art.ptst, art.ptstM});
        pbData->setFocusPart(sheetLineRect(m_sheetLine));
        // Show the finished sheet before the atom is drawn.
        pbData->repaint();
    }

    const AtomDisplayResult result = displayAtom(atomModel(), atom, save, hold, sprites, record,
                                                 atomOptions(), PrintMode != 0, atScroll->value());
    for (int i = 0; i < LevelMax; ++i) {
        const LevelLabel &level = result.legend[i];
        d_ring[i]->setText(level.ringCaption);
        d_ringE[i]->setText(level.electronCaption);
        setLabelColour(d_ring[i], level.ringColour);
        d_ring[i]->setVisible(level.visible);
        d_ringE[i]->setVisible(level.visible);
    }
    pbAtom->update();
    if (!PrintMode) {
        d_electrons->setText(result.electronsCaption);
        atScroll_Change();
        if (result.startTimer) setElectronTimer(true);
    }
    emit displayed(n);
}

void ZelMain::tmElectron_Timer()
{
    // A tick shorter than a screen frame: the timer wakes once a frame, and the
    // electrons make every tick due since at once, which leaves them and the
    // picture as the single ticks would, for one wake-up and one paint.
    int ticks = 1;
    if (m_tickMs < FrameMs) {
        if (!m_tickClock.isValid()) m_tickClock.start();
        const qint64 due = m_tickClock.elapsed() / m_tickMs;
        ticks = int(std::min<qint64>(due - m_ticksMade, MaxTicksAtOnce));
        m_ticksMade = due;
        if (ticks <= 0) return;
    }
    // Only the blocks the electrons left and reached are painted again: outside
    // the blocks drawn before and after the tick the picture is the background.
    m_changedBlocks.clear();
    const bool known =
        blocksOffBackground(atomModel(), pbAtom->surface(), pbSave->surface(), m_changedBlocks);
    if (!tmElectronTick(atomModel(), pbAtom->surface(), pbSave->surface(), pbHold->surface(),
                        atomSprites(pbAtom->surface().scale()), ticks))
        return;
    if (known &&
        blocksOffBackground(atomModel(), pbAtom->surface(), pbSave->surface(), m_changedBlocks))
        pbAtom->updatePicture(blockBounds(m_changedBlocks));
    else
        pbAtom->update();
}

void ZelMain::atScroll_Change()
{
    // Before the first atom is drawn there are no levels to move.
    m_tickMs = electronTimerInterval(atScroll->value(), m_atom ? m_atom->AtomLevels : 0);
    tmElectron->setInterval(std::max(m_tickMs, FrameMs));
    m_tickClock.restart();
    m_ticksMade = 0;
}

void ZelMain::ck_animate_Click()
{
    const bool on = ck_animate->value() != 0;
    setElectronTimer(on);
    atScroll->setEnabled(on);
    // Stopped electrons show where the last tick left them.
    pbAtom->update();
}

void ZelMain::ck_ColorRings_Click()
{
    setElectronTimer(false);
    DispAtom(CurrentElement);
    restoreElectronTimer();
}

void ZelMain::ck_dispRings_Click()
{
    setElectronTimer(false);
    ck_ColorRings->setEnabled(colorRingsEnabled(atomOptions()));
    DispAtom(CurrentElement);
    restoreElectronTimer();
}

void ZelMain::ring_opt_Click()
{
    setElectronTimer(false);
    SetupAtom(atomModel(), ring_opt->value() != 0);
    DispAtom(CurrentElement);
    restoreElectronTimer();
}

void ZelMain::cScroll_Change()
{
    setElectronTimer(false);
    pbAtom->surface().setBackColor(backgroundColour(cScroll->value()));
    DispAtom(CurrentElement);
    restoreElectronTimer();
}

AtomOptions ZelMain::atomOptions() const
{
    return {ck_animate->value() != 0, ck_dispRings->value() != 0, ck_ColorRings->value() != 0,
            ring_opt->value() != 0};
}

void ZelMain::setElectronTimer(bool enabled)
{
    if (enabled && !tmElectron->isActive()) {
        tmElectron->start();
        m_tickClock.restart();
        m_ticksMade = 0;
    } else if (!enabled) {
        tmElectron->stop();
    }
}

void ZelMain::restoreElectronTimer()
{
    setElectronTimer(ck_animate->value() != 0);
}

void ZelMain::placeCentred()
{
    // On Wayland the compositor places windows; a client cannot.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QScreen *screen = this->screen();
    if (!screen) return;
    // The outer window, frame included; on a screen too small for it, its top
    // left corner stays on the screen, title bar and all.
    const QRect area = screen->availableGeometry();
    const int x = area.left() + std::max(0, (area.width() - WindowWidth) / 2);
    const int y = area.top() + std::max(0, (area.height() - WindowHeight) / 2);
    move(x, y);
}

void ZelMain::fitToFrame(bool centre)
{
    if (!isVisible()) return;
    const QWindow *window = windowHandle();
    if (!window) return;
    // Asked of the window: its frame in pixels changes with its scale.
    const QMargins margins = window->frameMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    // Only a frame not yet fitted to: a window moved by its user stays put.
    if (frame == m_fittedFrame || frame.width() < 0 || frame.height() < 0) return;
    m_fittedFrame = frame;
    setFixedSize(WindowWidth - frame.width(), WindowHeight - frame.height());
    if (centre) placeCentred();
}

void ZelMain::matchScreenScale()
{
    const double scale = devicePixelRatioF();
    if (scale == pb->surface().scale()) return;
    fitToFrame(false);
    for (PictureBox *box : {pb, pbSave, pbHold, pbAtom, pbData_fr, pbData})
        box->setScale(scale);
    const AtomSprites &sprites = atomSprites(scale);
    for (auto [box, sprite] :
         {std::pair{pbP, &sprites.pbP}, {pbN, &sprites.pbN}, {pbE, &sprites.pbE}}) {
        box->surface().setImageFrom(*sprite);
        box->update();
    }
    Image1->setPixmap(ControlArt::backgroundColorIcon(scale));
    Image2->setPixmap(ControlArt::speedIcon(scale));
    applyTableLayout(
        CreatePT(pb->surface(), 0, Elements, tableArtwork(scale), Cells, E_Frame->pos()));
    // The Element page's sheet and atom are drawn now if it shows, else when
    // it is next shown.
    if (CurrentTab == 1) {
        setElectronTimer(false);
        DispAtom(CurrentElement);
        restoreElectronTimer();
    } else {
        m_elementPending = true;
    }
}

bool ZelMain::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    // The window manager reports its frame with a move or resize of the window.
    case QEvent::Move:
    case QEvent::Resize:
        fitToFrame();
        break;
    case QEvent::Show:
        matchScreenScale();
        fitToFrame();
        break;
    // Qt paints the whole window again right after this.
    case QEvent::ScreenChangeInternal:
        matchScreenScale();
        break;
    default:
        break;
    }
    return handled;
}

void ZelMain::changeEvent(QEvent *event)
{
    // A minimised window shows no animation, so it uses no time either.
    if (event->type() == QEvent::WindowStateChange && CurrentTab == 1) {
        if (isMinimized())
            setElectronTimer(false);
        else
            restoreElectronTimer();
    }
    QWidget::changeEvent(event);
}

void ZelMain::cb_print_Click()
{
    const QString tag = tagOf(tab_Frame[CurrentTab]);
    if (tag == QLatin1String("Table"))
        printTable();
    else if (tag == QLatin1String("Element"))
        printElement();
}

void ZelMain::printTable()
{
    if (!m_platform.askYesNo(this, Language::translate("Printing", "Print Periodic Table"),
                             Language::translate("Printing", "Print")))
        return;
    // Where the page goes is asked before anything is composed for print.
    PagePrinter &printer = m_platform.printer();
    if (!printer.chooseDestination(this)) return;
    PrintMode = 1;
    // The table is drawn onto the page as text, boxes and pictures, at the
    // screen table's size and centred on the printable area.
    const QSizeF area = printer.printableSize(PageOrientation::Landscape);
    const int widthTwips = pb->surface().width() * PageCanvas::TwipsPerPixel;
    const int heightTwips = pb->surface().height() * PageCanvas::TwipsPerPixel;
    PageCanvas page;
    VectorCanvas table(page,
                       QPointF(qRound(area.width()) / 2 - widthTwips / 2,
                               qRound(area.height()) / 2 - heightTwips / 2),
                       pb->surface().width(), pb->surface().height(), ColourWhite);
    table.setForeColor(ColourBlack);
    table.setFontSize(9.75);
    // The view chosen, with the highlight kept but not one the pointer shows.
    applyTableLayout(CreatePT(table, 1, Elements, tableArtwork(PageCanvas::PictureScale), Cells,
                              E_Frame->pos(), m_view));
    const bool printed = printer.printPage(page, PageOrientation::Landscape);
    PrintMode = 0;
    if (!printed) reportPrintFailure();
}

void ZelMain::printElement()
{
    if (!m_platform.askYesNo(this, Language::translate("Printing", "Print Element"),
                             Language::translate("Printing", "Print")))
        return;
    // Where the page goes is asked while the screen still shows its own colours.
    PagePrinter &printer = m_platform.printer();
    if (!printer.chooseDestination(this)) return;
    PrintMode = 1;
    const Surface &screenAtom = pbAtom->surface();
    const auto paper = [&screenAtom](int w, int h) {
        return Surface(w, h, ColourWhite, PageCanvas::PictureScale);
    };
    m_paper.emplace(PaperPictures{paper(screenAtom.width(), screenAtom.height()),
                                  paper(screenAtom.width(), screenAtom.height()),
                                  paper(screenAtom.width(), screenAtom.height()), paper(8, 8)});
    PrintPage.clear();
    DispAtom(CurrentElement);

    // The sheet was composed first, so the page can now go out in portrait.
    PrintPage.paintPicture(m_paper->atom, 200, PrintHeaderY);
    const bool printed = printer.printPage(PrintPage, PageOrientation::Portrait);
    m_paper.reset();
    PrintMode = 0;
    DispAtom(CurrentElement);
    if (!printed) reportPrintFailure();
}

void ZelMain::reportPrintFailure()
{
    // A printer that gives no reason fails quietly; a file that could not be
    // written is always said, once the screen is itself again.
    QString message = m_platform.printer().failure();
    if (message.isEmpty()) return;
    message[0] = message[0].toUpper();
    m_platform.showError(this, Language::translate("Printing", "Print"), message);
}
