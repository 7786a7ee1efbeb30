// Creates the window's controls with their design values.

#include "zelmain.h"

#include "aboutdialog.h"
#include "atomsprites.h"
#include "controlart.h"
#include "fonts.h"
#include "language.h"

#include <QIcon>

#include <cmath>

namespace {

constexpr Colour HeaderBlue = 0xC00000;
constexpr QRect EFrameGeometry(0, 37, 794, 520);

QFont arial(double points, bool bold = false)
{
    return Fonts::font(QStringLiteral("Arial"), int(std::lround(points * 96.0 / 72.0)), bold);
}

QColor qcolour(Colour c)
{
    return QColor::fromRgb(toQRgb(c));
}

// A label; transparent ones show their container's background. A label made
// beforehand (a link) is given the same design values.
QLabel *makeLabel(QWidget *parent, QRect geometry, const QString &caption, Colour text,
                  const QFont &font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop,
                  QLabel *made = nullptr)
{
    QLabel *label = made ? made : new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, qcolour(text));
    label->setPalette(pal);
    return label;
}

void setLabelBackground(QLabel *label, Colour back)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, qcolour(back));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

QScrollBar *makeScrollBar(QWidget *parent, Qt::Orientation o, QRect geometry, int min, int max,
                          int large, int value)
{
    auto *bar = new QScrollBar(o, parent);
    bar->setGeometry(geometry);
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(large);
    bar->setValue(value);
    // Only the finished change counts: dragging the thumb changes nothing until
    // it is released.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

PictureButton *makeCheckBox(QWidget *parent, QRect geometry, Colour face, const QString &tooltip,
                            int value)
{
    auto *box = new PictureButton(parent, face);
    box->setGeometry(geometry);
    box->setCheckable(true);
    box->setChecked(value != 0);
    box->setToolTip(tooltip);
    // Check boxes are left out of the tab order; a click may still focus them.
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

// Names a control after its field, so that it can be found by name.
template <class T> T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// One control of an array: its field's name followed by its index.
template <class T> T *named(T *control, const char *name, int index)
{
    control->setObjectName(QString(QLatin1String(name) + QString::number(index)));
    return control;
}

// A small picture shown from the artwork.
PictureBox *spritePicture(QWidget *parent, QPoint at, const Surface &art)
{
    auto *box =
        new PictureBox(parent, QRect(at, QSize(art.width(), art.height())), art.backColor());
    box->surface().setImageFrom(art);
    return box;
}

// Stacks the controls of one container in the design order, the first frontmost.
void stackFrontToBack(std::initializer_list<QWidget *> controls)
{
    std::vector<QWidget *> list(controls);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)->raise();
}

} // namespace

void ZelMain::createControls()
{
    setUpWindow();
    tmAbout = named(new QTimer(this), "tmAbout");
    tmAbout->setInterval(4000);
    tmElectron = named(new QTimer(this), "tmElectron");
    tmElectron->setInterval(1000);

    pbHold = named(new PictureBox(this, QRect(284, 563, 404, 404), 0x000000, true), "pbHold");
    pbHold->hide();

    createCommandButtons();
    createTablePicture();
    createHeader();
    createTabs();

    pbSave = named(new PictureBox(this, QRect(689, 546, 404, 404), 0x000000, true), "pbSave");
    pbSave->hide();
    PT_Frame = named(new ColourFrame(this, ColourPageBlue, true), "PT_Frame");
    PT_Frame->setGeometry(-1, 31, 770, 450);
    PT_Frame->hide();
    E_Frame = named(new ColourFrame(this, ColourPageBlue, true), "E_Frame");
    E_Frame->setGeometry(EFrameGeometry);

    createElementPage();

    stackFrontToBack({pbHold, cb_print, cb_exit, pb, Frame5, tabs_fr, pbSave, PT_Frame, E_Frame});
}

void ZelMain::setUpWindow()
{
    setWindowTitle(QStringLiteral("Zelvane"));
    setWindowIcon(ControlArt::windowIcon());
    setFont(arial(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolour(HeaderBlue));
    setPalette(pal);
    setFixedSize(794, 594);
}

void ZelMain::createCommandButtons()
{
    cb_print = named(new PictureButton(this, 0xE0E0E0), "cb_print");
    cb_print->setGeometry(721, 5, 30, 30);
    cb_print->setPictures(ControlArt::source(ControlArt::Picture::Print));
    cb_print->setToolTip(Language::translate("Controls", "Print"));
    cb_print->setFocusPolicy(Qt::StrongFocus);
    cb_exit = named(new PictureButton(this, 0xE0E0E0), "cb_exit");
    cb_exit->setGeometry(757, 5, 30, 30);
    cb_exit->setPictures(ControlArt::source(ControlArt::Picture::Exit));
    cb_exit->setToolTip(Language::translate("Controls", "Exit"));
    cb_exit->setFocusPolicy(Qt::StrongFocus);
}

void ZelMain::createTablePicture()
{
    pb =
        named(new PictureBox(this, QPoint(511, 82), tablePictureDesign(devicePixelRatioF())), "pb");
    pb->setFocusPolicy(Qt::StrongFocus);
    lbl_about = named(makeLabel(pb, QRect(12, 38, 195, 160), {}, 0xFF0000, arial(14.25, true),
                                Qt::AlignHCenter | Qt::AlignTop),
                      "lbl_about");
    setLabelBackground(lbl_about, 0xC0FFFF);
    lbl_about->setFrameShape(QFrame::Box);
    lbl_about->setLineWidth(1);
    lbl_about->hide();
    ptsel = named(new OutlineShape(pb, 0x00FF00, 2), "ptsel");
    ptsel->setGeometry(9, 9, 24, 23);
    ptsel->hide();
    stackFrontToBack({lbl_about, ptsel});
}

void ZelMain::createHeader()
{
    Frame5 = named(new ColourFrame(this, HeaderBlue, false), "Frame5");
    Frame5->setGeometry(195, 4, 622, 36);
    //: The table page's hint in the header, at most 238 pixels wide
    const QString hint = Language::translate("Window", "Click an Element for more Information.");
    lbl_click =
        named(makeLabel(Frame5, QRect(8, 19, 238, 17), hint, 0x00FF00, arial(9.75)), "lbl_click");
    // The maker's name opens the About page.
    const QString maker = QStringLiteral("Zelvane Works, Hobart");
    auto *about = new HeaderLink(maker, Frame5);
    about->setToolTip(Language::translate("Window", "About Zelvane (F1)"));
    about->setAccessibleName(Language::translate("Window", "About Zelvane"));
    connect(about, &HeaderLink::activated, this, [this] {
        if (!tmAbout->isActive()) showAbout();
    });
    Label3 = named(makeLabel(Frame5, QRect(345, 5, 168, 17), maker, 0xFFFFFF, arial(9.75),
                             Qt::AlignLeft | Qt::AlignTop, about),
                   "Label3");
}

void ZelMain::createTabs()
{
    tabs_fr = named(new ColourFrame(this, HeaderBlue, false), "tabs_fr");
    tabs_fr->setGeometry(-1, 15, 200, 25);
    const int tabLefts[4] = {0, 48, 96, 145};
    for (int i = 0; i < 4; ++i) {
        tab_Frame[i] = named(makeCheckBox(tabs_fr, QRect(tabLefts[i], -1, 51, 28), ColourPageBlue,
                                          {}, i == 0 ? 0 : 1),
                             "tab_Frame", i);
        tab_Frame[i]->setProperty("tag", QString());
    }
    //: The Periodic Table tab's face, 51 x 28 pixels: an abbreviation of two or three letters
    tab_Frame[0]->setText(Language::translate("Controls", "PT"));
    tab_Frame[0]->setToolTip(Language::translate("Controls", "Periodic Table"));
    tab_Frame[0]->setProperty("tag", QStringLiteral("Table"));
    tab_Frame[1]->setPictures(ControlArt::source(ControlArt::Picture::ElementTab));
    tab_Frame[1]->setToolTip(Language::translate("Controls", "Element"));
    tab_Frame[1]->setProperty("tag", QStringLiteral("Element"));
    tab_Frame[2]->setText(QStringLiteral("Tab3"));
    tab_Frame[3]->setText(QStringLiteral("Tab4"));
    tab_Frame[2]->hide();
    tab_Frame[3]->hide();
    stackFrontToBack({tab_Frame[0], tab_Frame[1], tab_Frame[2], tab_Frame[3]});
}

void ZelMain::createElementPage()
{
    pbAtom = named(new PictureBox(E_Frame, QRect(11, 19, 404, 404), 0x000000, true), "pbAtom");
    pbAtom->setFocusPolicy(Qt::StrongFocus);
    eScroll =
        named(makeScrollBar(E_Frame, Qt::Vertical, QRect(418, 18, 10, 406), 1, 1, 8, 1), "eScroll");
    // The sheet's frame is a bordered picture box; the sheet lies at (4, 2) of
    // its inner area and is cut off at the border's inner edge.
    pbData_fr =
        named(new PictureBox(E_Frame, QRect(437, 17, 347, 484), 0xE0E0E0, true), "pbData_fr");
    pbData = named(new PictureBox(pbData_fr, QRect(2 + 4, 2 + 2, 339, 484 - 2 - 2 - 2), 0xE0E0E0),
                   "pbData");
    pbData->setFocusPolicy(Qt::StrongFocus);
    pbData->surface().setForeColor(ColourBlack);
    pbData->surface().setFontSize(9.75);
    pbData->surface().setFontBold(true);

    createAtomLegend();
    createAtomOptions();
    createAtomSettings();

    stackFrontToBack({pbAtom, eScroll, pbData_fr, Frame3, ck_animate, ck_ColorRings, ck_dispRings,
                      ring_opt, Frame1});
}

void ZelMain::createAtomLegend()
{
    const AtomSprites &sprites = atomSprites(devicePixelRatioF());
    Frame3 = named(new ColourFrame(E_Frame, ColourPageBlue, true), "Frame3");
    Frame3->setGeometry(10, 426, 288, 74);
    Frame4 = named(new ColourFrame(Frame3, 0x000000, false), "Frame4");
    Frame4->setGeometry(2, 9, 283, 62);
    pbP = named(spritePicture(Frame4, {8, 5}, sprites.pbP), "pbP");
    pbN = named(spritePicture(Frame4, {182, 5}, sprites.pbN), "pbN");
    pbE = named(spritePicture(Frame4, {8, 18}, sprites.pbE), "pbE");
    const QFont legendFont = arial(8.25, true);
    auto legend = [&](QRect r, const QString &text, Colour colour, const char *name,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        return named(makeLabel(Frame4, r, text, colour, legendFont, align), name);
    };
    // The captions are drawn in boxes of fixed width, the counts beside them.
    //: The legend's caption, at most 46 pixels wide (bold)
    Label1 = legend(QRect(25, 2, 46, 19), Language::translate("Controls", "Protons:"), 0x0000FF,
                    "Label1");
    //: The legend's caption, at most 54 pixels wide (bold)
    Label2 = legend(QRect(199, 2, 54, 17), Language::translate("Controls", "Neutrons:"), 0x00C0C0,
                    "Label2");
    //: The legend's caption, at most 59 pixels wide (bold)
    Label4 = legend(QRect(25, 15, 59, 17), Language::translate("Controls", "Electrons:"), 0x808080,
                    "Label4");
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const QString zero = QStringLiteral("0");
    d_protons = legend(QRect(76, 2, 26, 19), zero, 0x0000FF, "d_protons", right);
    d_neutrons = legend(QRect(250, 2, 26, 19), zero, 0x00C0C0, "d_neutrons", right);
    d_electrons = legend(QRect(76, 15, 26, 19), zero, 0x808080, "d_electrons", right);
    //: The caption of the row of electrons by level, at most 38 pixels wide (bold)
    Label7 = legend(QRect(47, 28, 38, 17), Language::translate("Controls", "Level:"), 0x808080,
                    "Label7");
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    for (int i = 0; i < 7; ++i) {
        const int left = 86 + 29 * i;
        d_ring[i] = named(makeLabel(Frame4, QRect(left, 28, 26, 19), QStringLiteral("0"), 0x808080,
                                    legendFont, centred),
                          "d_ring", i);
        d_ringE[i] = named(makeLabel(Frame4, QRect(left, 41, 26, 19), QStringLiteral("0"), 0x808080,
                                     legendFont, centred),
                           "d_ringE", i);
    }
    stackFrontToBack({pbP, pbN, pbE});
    for (QLabel *label : {Label1, Label2, Label4, Label7, d_protons, d_neutrons, d_electrons})
        label->lower();
}

void ZelMain::createAtomOptions()
{
    auto option = [this](QRect r, ControlArt::Picture picture, const QString &tip, int value,
                         const char *name) {
        PictureButton *box = named(makeCheckBox(E_Frame, r, 0xC0C0C0, tip, value), name);
        box->setPictures(ControlArt::source(picture));
        box->setFont(arial(8.25, true));
        return box;
    };
    ck_animate = option(QRect(305, 437, 25, 25), ControlArt::Picture::Animate,
                        Language::translate("Controls", "Animate"), 0, "ck_animate");
    ck_ColorRings =
        option(QRect(396, 437, 25, 25), ControlArt::Picture::LevelColors,
               Language::translate("Controls", "Level Colors On/Off"), 1, "ck_ColorRings");
    ck_dispRings = option(QRect(335, 437, 25, 25), ControlArt::Picture::LevelsShown,
                          Language::translate("Controls", "Level On/Off"), 1, "ck_dispRings");
    ring_opt = option(QRect(366, 437, 25, 25), ControlArt::Picture::LevelShape,
                      Language::translate("Controls", "Level Circular/Eliptic"), 1, "ring_opt");
}

void ZelMain::createAtomSettings()
{
    Frame1 = named(new ColourFrame(E_Frame, ColourPageBlue, true), "Frame1");
    Frame1->setGeometry(300, 426, 126, 74);
    cScroll =
        named(makeScrollBar(Frame1, Qt::Horizontal, QRect(34, 41, 86, 9), 0, 5, 5, 0), "cScroll");
    atScroll = named(makeScrollBar(Frame1, Qt::Horizontal, QRect(34, 58, 86, 9), 1, 250, 20, 1),
                     "atScroll");
    atScroll->setEnabled(false);
    Image1 = named(makeLabel(Frame1, QRect(6, 41, 24, 8), {}, 0, font()), "Image1");
    Image1->setPixmap(ControlArt::backgroundColorIcon(devicePixelRatioF()));
    Image1->setToolTip(Language::translate("Controls", "Background Color"));
    Image2 = named(makeLabel(Frame1, QRect(8, 53, 16, 16), {}, 0, font()), "Image2");
    Image2->setPixmap(ControlArt::speedIcon(devicePixelRatioF()));
    Image2->setToolTip(Language::translate("Controls", "Animation Speed"));
    stackFrontToBack({cScroll, atScroll});
}

void ZelMain::setTabOrderByDesign()
{
    // Focusable controls in their design tab order; check boxes are left out.
    const std::vector<QWidget *> order = {pb,      pbSave, atScroll, cScroll,  pbData,
                                          eScroll, pbAtom, cb_exit,  cb_print, Label3};
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

std::array<QWidget *, 6> ZelMain::bannerLockedControls() const
{
    return {tab_Frame[0], tab_Frame[1], pb, cb_print, cb_exit, viewPanel};
}
