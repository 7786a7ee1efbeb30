#pragma once

#include "atomdraw.h"
#include "atomgeometry.h"
#include "controls.h"
#include "creatept.h"
#include "datasheet.h"
#include "elementdata.h"
#include "pagecanvas.h"
#include "picturebox.h"
#include "tableartwork.h"
#include "views.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Platform;
class QComboBox;
class QDoubleSpinBox;
class QSlider;

// The program's one window, zelMain, with all its controls and the program-wide
// state. Handlers keep the names of their control and event; the rules they
// apply live in the subsystem libraries.
class ZelMain : public QWidget
{
    Q_OBJECT
public:
    explicit ZelMain(Platform &platform);
    ~ZelMain() override;

    // The load handler: fixed tables, the data file (or the data already read
    // from it), both pages and element 1. Returns an empty string, or why the
    // program cannot start.
    QString Form_Load(const ElementData *loaded = nullptr);
    // The rest of start-up: the page layout, then showing the window and the
    // banner.
    void finishStartUp();
    // Size, page layout and the table, without showing anything.
    void layOutPages();
    // Shows element n on the Element page, as a click on its cell does.
    void showElement(qint16 n);
    // Shows element n once the banner has gone.
    void openAfterBanner(qint16 n) { m_openAfterBanner = n; }

    // Tabs and focus.
    void tab_Frame_Click(int index);
    void SetTabFocus();
    // Banner and exit.
    void tmAbout_Timer();
    void cb_exit_Click();
    // The table page.
    void pb_MouseMove(double x, double y);
    void pb_Click();
    // The element page.
    void eScroll_Change();
    void DispAtom(qint16 n);
    void tmElectron_Timer();
    void atScroll_Change();
    void ck_animate_Click();
    void ck_ColorRings_Click();
    void ck_dispRings_Click();
    void ring_opt_Click();
    void cScroll_Change();
    // Printing.
    void cb_print_Click();
    // Where each value comes from: the source of line 0 (the title) to 29 of
    // the sheet shown, as its tooltip and accessible description give it; the
    // line that has the sheet's keyboard focus (Up, Down, Home, End) and F2,
    // which shows its source; the About page (F1, and the header's link).
    QString sheetLineSource(int line) const;
    // A line's place in pbData; empty for a line not on the sheet.
    QRect sheetLineRect(int line) const;
    int sheetLineAt(double y) const { return m_sheetRows.lineAt(y); }
    int focusedSheetLine() const { return m_sheetLine; }
    void setFocusedSheetLine(int line);
    void showSheetLineSource();
    void showAbout();
    QDialog *aboutDialog() const { return m_about; }
    // The table's view, as the chooser or the command line sets it; the
    // highlight is cleared. A view out of range is the classes.
    void setTableView(int view);
    // The state view's temperature, shown in its unit; held to MinKelvin..MaxKelvin.
    void setTemperature(const Temperature &temperature);

    // Read-only views of the window's state, for the test programs.
    qint16 currentElement() const { return CurrentElement; }
    int currentTab() const { return CurrentTab; }
    bool printing() const { return PrintMode != 0; }
    qint16 hoverElement() const { return HoverElement; }
    // The element whose cell the table's outline shows, or 0.
    qint16 outlinedElement() const;
    qint16 printHeaderY() const { return PrintHeaderY; }
    const CellRects &cells() const { return Cells; }
    const AtomModel &atom() const { return atomModel(); }
    const ElementData &elements() const { return Elements; }
    // The view the table is drawn in now: the one chosen, with the group
    // under the pointer in the key highlighted, else the one kept.
    TableView tableView() const;

    // The controls locked while the banner shows, in their order.
    std::array<QWidget *, 6> bannerLockedControls() const;

signals:
    // An element display has finished, on screen or for print.
    void displayed(qint16 n);
    // The sheet's keyboard focus moved to another line.
    void sheetLineFocused(int line);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls with their design values, one group at a time.
    void createControls();
    void setUpWindow();
    void createCommandButtons();
    void createTablePicture();
    void createHeader();
    void createTabs();
    void createElementPage();
    void createAtomLegend();
    void createAtomOptions();
    void createAtomSettings();
    void connectHandlers();
    void setTabOrderByDesign();
    void applyTableLayout(const PTLayout &layout);
    // Puts the 800 x 600 outer window in the middle of the screen's free area;
    // on Wayland the compositor places it.
    void placeCentred();
    // Sizes the client area so that with the window manager's frame the window
    // is 800 x 600 outside, and centres it again unless told not to; nothing
    // while the frame is the one last fitted to.
    void fitToFrame(bool centre = true);
    // Draws every picture again at the window's device scale when it is not
    // the one they were drawn at: the window has moved to a screen of
    // another scale.
    void matchScreenScale();
    // The display options as the four toggles hold them.
    AtomOptions atomOptions() const;
    void setElectronTimer(bool enabled);
    void restoreElectronTimer();
    void printTable();
    void printElement();
    // Tells the user why the page was not written, where the printer says.
    void reportPrintFailure();
    // The keyboard: shortcuts, the table's outline, typing to find.
    void createKeyboard();
    void switchPage();
    void copyShown();
    void moveOutline(qint16 e);
    // Steps the element bar by the wheel's whole notches.
    void turnWheel(int delta);
    bool findTyped(QKeyEvent *event);
    void clearFind();
    // Sources and the About page: their keys, and the sheet's tooltips and line keys.
    void createSourceKeys();
    bool sheetEvent(QEvent *event);
    // The table's views: the chooser, the highlight and the temperature.
    void createViewControls();
    void redrawTable();
    void viewChosen();
    void highlightChosen();
    void temperatureSlid(int kelvin);
    void temperatureTyped(double value);
    void temperatureUnitChosen();
    void showTemperature();
    void fillHighlightChooser();
    // The pointer over the key: the group under it is highlighted while it
    // stays there; a click keeps the highlight, or drops the one kept.
    void keyHover(double x, double y);
    void keyClick();
    bool tableHelpEvent(QEvent *event);

    // Program-wide state.
    ElementData Elements;
    ClassificationNames ClassNames;
    CellRects Cells;
    // The atom's level paths and nucleon places, worked out when an atom is
    // first drawn: many runs never show one.
    AtomModel &atomModel() const;
    mutable std::optional<AtomModel> m_atom;
    qint16 CurrentElement = 1;
    qint16 PrintMode = 0;
    qint16 PrintHeaderY = 0;
    qint16 CurrentTab = 0;
    qint16 TabSwitchState = 1;
    qint16 HoverElement = 0;
    // The keyboard put the outline where it is: the table shows it again after
    // the other page. An outline the pointer left is not shown again.
    bool m_outlineByKeys = false;
    // The part of a wheel notch turned but not yet stepped.
    int m_wheelRest = 0;
    // The page an element print writes its sheet onto, and the pictures it
    // draws the atom and the icons in while it is composed.
    PageCanvas PrintPage;
    struct PaperPictures
    {
        Surface atom, save, hold, scratch;
    };
    std::optional<PaperPictures> m_paper;

    // Window-level controls.
    QTimer *tmAbout;
    QTimer *tmElectron;
    PictureBox *pbHold;
    PictureButton *cb_print;
    PictureButton *cb_exit;
    PictureBox *pb;
    QLabel *lbl_about;
    OutlineShape *ptsel;
    ColourFrame *Frame5;
    QLabel *lbl_click;
    QLabel *Label3;
    ColourFrame *tabs_fr;
    std::array<PictureButton *, 4> tab_Frame;
    PictureBox *pbSave;
    ColourFrame *PT_Frame;
    ColourFrame *E_Frame;
    // Children of E_Frame: the element page.
    PictureBox *pbAtom;
    QScrollBar *eScroll;
    PictureBox *pbData_fr;
    PictureBox *pbData;
    ColourFrame *Frame3, *Frame4, *Frame1;
    PictureBox *pbP, *pbN, *pbE;
    QLabel *Label1, *Label2, *Label4, *Label7;
    QLabel *d_protons, *d_neutrons, *d_electrons;
    std::array<QLabel *, 7> d_ring, d_ringE;
    PictureButton *ck_animate, *ck_ColorRings, *ck_dispRings, *ring_opt;
    QScrollBar *cScroll, *atScroll;
    QLabel *Image1, *Image2;
    // What was typed to find an element, and the line that shows it.
    QLabel *lbl_find;
    QString m_typed;
    QTimer m_findTimer;
    // The table's view, and the controls that choose it over the table's
    // empty top right.
    TableView m_view;
    int m_hoverGroup = NoHighlight;
    std::vector<KeyArea> m_keyAreas;
    QWidget *viewPanel;
    QComboBox *viewChooser, *highlightChooser, *unitChooser;
    QSlider *temperatureSlider;
    QDoubleSpinBox *temperatureField;
    QLabel *lbl_view, *lbl_highlight, *lbl_temperature;

    Platform &m_platform;
    // The animation's tick in ms, and for ticks shorter than a frame the clock
    // and count of the ticks made since the timer started.
    int m_tickMs = 1000;
    QElapsedTimer m_tickClock;
    qint64 m_ticksMade = 0;
    // The atom picture's blocks a tick changed (scratch of tmElectron_Timer).
    std::vector<AtomPoint> m_changedBlocks;
    // The frame's width and height the client size was last fitted to.
    QSize m_fittedFrame{0, 0};
    qint16 m_openAfterBanner = 0;
    // The Element page has yet to show its element for the first time.
    bool m_elementPending = false;
    // Where the screen sheet's lines lie, the line with its keyboard focus, and
    // the About page while it is open.
    SheetRows m_sheetRows;
    int m_sheetLine = SheetTitleLine;
    QPointer<QDialog> m_about;
};
