// The window in each language it speaks: every text drawn in a box of fixed
// size fits that box in the carried face it is drawn in, neither cut nor
// running over its neighbours.

#include "aboutdialog.h"
#include "banner.h"
#include "elementdata.h"
#include "fakeplatform.h"
#include "fonts.h"
#include "language.h"
#include "testdata.h"
#include "zelmod.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// The language spoken while it lives; English again afterwards, so that the
// tests after it see the program's own texts.
class SpokenIn
{
public:
    explicit SpokenIn(const char *code) { Language::use(QString::fromLatin1(code)); }
    ~SpokenIn() { Language::use({}); }
    SpokenIn(const SpokenIn &) = delete;
    SpokenIn &operator=(const SpokenIn &) = delete;
};

// A caption as it is drawn: the & that marks the Alt key's letter is not shown.
QString drawn(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// A box of fixed size and the face its text is drawn in: the design's values.
struct Box
{
    const char *control;
    int width;
    int height;
    int pixelSize;
    bool bold;
};

// The header's hint, the legend's captions, the view panel's labels (right of
// the key, 66 pixels before the choosers) and the table tab's face (51 pixels
// less its raised edges, two on each side).
constexpr Box Boxes[] = {
    {"lbl_click", 238, 17, 13, false},
    {"Label1", 46, 19, 11, true},
    {"Label2", 54, 17, 11, true},
    {"Label4", 59, 17, 11, true},
    {"Label7", 38, 17, 11, true},
    {"lbl_view", 66, 20, 11, false},
    {"lbl_highlight", 66, 20, 11, false},
    {"lbl_temperature", 66, 20, 11, false},
    {"tab_Frame0", 51 - 4, 28 - 4, 11, false},
};

// The banner: 540 pixels less its one-pixel frame, in bold 19 pixels.
constexpr int BannerWidth = 540 - 2;
// The typed search and the element found, in the header right of the hint.
constexpr int FindWidth = 260;

// What the text needs across: its advance, or its ink where that reaches further.
int widthOf(const QFontMetrics &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

QString captionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) return button->text();
    return {};
}

// What each language shows: the header's hint, the print questions' titles and
// prompts, a tooltip, the screen reader's names of the sheet and of iron's
// cell, the About page's title and its note that the data set's words are
// English (none in English), and the words a source tip adds to the data set's.
struct Spoken
{
    const char *code;
    const char16_t *hint, *printTable, *printElement, *animate, *sheetName, *iron, *aboutTitle;
    const char16_t *englishNote, *unknown, *reason;
};
const Spoken Languages[] = {
    {"", u"Click an Element for more Information.", u"Print: Print Periodic Table",
     u"Print: Print Element", u"Animate", u"Data sheet", u"Iron", u"About Zelvane", nullptr,
     u" \u2014 unknown", u"Reason: "},
    {"de", u"Für Details ein Element anklicken.", u"Drucken: Periodensystem drucken",
     u"Drucken: Element drucken", u"Animieren", u"Datenblatt", u"Eisen", u"Über Zelvane",
     u"Herkunft des Namens auf Englisch", u" \u2014 unbekannt", u"Grund: "},
    {"fr", u"Cliquez sur un élément pour les détails.", u"Imprimer: Imprimer le tableau périodique",
     u"Imprimer: Imprimer l'élément", u"Animer", u"Fiche de données", u"Fer",
     u"À propos de Zelvane", u"l'origine du nom en anglais", u" \u2014 inconnue", u"Raison : "},
    {"es", u"Haga clic en un elemento para ver más.", u"Imprimir: Imprimir la tabla periódica",
     u"Imprimir: Imprimir el elemento", u"Animar", u"Ficha de datos", u"Hierro",
     u"Acerca de Zelvane", u"origen del nombre en inglés", u" \u2014 desconocida", u"Motivo: "},
};

} // namespace

TEST(TranslatedWindow, EveryFixedBoxHoldsItsTextAndEveryWordSpeaksTheLanguage)
{
    // Iron's density from another data file has no known source.
    ElementData data = shippedData();
    data.ElementTable[26].Density = 7.9;
    for (const Spoken &e : Languages) {
        SCOPED_TRACE(e.code);
        const SpokenIn language(e.code);
        ASSERT_EQ(Language::current(), QString::fromLatin1(e.code));
        FakePlatform platform;
        platform.answer = false;
        const std::unique_ptr<ZelMain> window = StartUp(platform, &data);
        ASSERT_TRUE(window);
        ZelMain &w = *window;
        EXPECT_EQ(control<QLabel>(w, "lbl_click")->text(), QString::fromUtf16(e.hint));

        for (const Box &box : Boxes) {
            SCOPED_TRACE(box.control);
            const auto *widget = control<QWidget>(w, box.control);
            // Drawn in the carried face at the design's size, whatever the
            // machine has installed.
            const QFont font = widget->font();
            EXPECT_EQ(QFontInfo(font).family(), Fonts::family(QStringLiteral("Arial")));
            EXPECT_EQ(std::tuple(font.pixelSize(), font.bold()),
                      std::tuple(box.pixelSize, box.bold));
            EXPECT_EQ(widget->size(),
                      QSize(box.width, box.height) +
                          (box.control == std::string("tab_Frame0") ? QSize(4, 4) : QSize(0, 0)));
            const QString text = drawn(captionOf(widget));
            ASSERT_FALSE(text.isEmpty());
            const QFontMetrics metrics(font);
            EXPECT_LE(widthOf(metrics, text), box.width) << text.toStdString();
            EXPECT_LE(metrics.height(), box.height) << text.toStdString();
        }

        const QFontMetrics bannerMetrics(control<QLabel>(w, "lbl_about")->font());
        const QStringList banner = bannerText().split(QChar(13));
        ASSERT_EQ(banner.size(), 5);
        EXPECT_TRUE(banner[2].startsWith(u"Zelvane  v1.0, ")) << banner[2].toStdString();
        for (const QString &line : banner)
            EXPECT_LE(widthOf(bannerMetrics, line), BannerWidth) << line.toStdString();

        // The search shows the name found in full: try every element's name,
        // found by its first three letters, and a search that finds nothing.
        const QFontMetrics findMetrics(control<QLabel>(w, "lbl_find")->font());
        QStringList shown{
            Language::translate("Window", "Find: %1 - no element").arg(QStringLiteral("Wxyz"))};
        for (qint16 n = 1; n <= w.elements().ElementCount; ++n) {
            const QString name = elementName(w.elements().ElementTable[n]);
            shown << Language::translate("Window", "Find: %1 - %2").arg(name.left(3), name);
        }
        for (const QString &find : shown)
            EXPECT_LE(widthOf(findMetrics, find), FindWidth) << find.toStdString();

        w.cb_print_Click();
        w.tab_Frame_Click(1);
        w.cb_print_Click();
        EXPECT_EQ(platform.questions, std::vector({QString::fromUtf16(e.printTable),
                                                   QString::fromUtf16(e.printElement)}));
        EXPECT_EQ(control<QWidget>(w, "ck_animate")->toolTip(), QString::fromUtf16(e.animate));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control<QWidget>(w, "pbData"))
                      ->text(QAccessible::Name),
                  QString::fromUtf16(e.sheetName));
        // While the banner shows it is the table's first child, before the cells.
        QAccessibleInterface *table =
            QAccessible::queryAccessibleInterface(control<QWidget>(w, "pb"));
        ASSERT_EQ(table->childCount(), 1 + 118);
        EXPECT_EQ(table->child(1 + 25)->text(QAccessible::Name), QString::fromUtf16(e.iron));

        // The command and the address stay as they are in every language.
        w.showAbout();
        auto *about = qobject_cast<AboutDialog *>(w.aboutDialog());
        ASSERT_TRUE(about);
        EXPECT_EQ(about->windowTitle(), QString::fromUtf16(e.aboutTitle));
        const QString page = about->pageText();
        EXPECT_TRUE(page.contains(u"zelvane --sheet X --sources"));
        EXPECT_TRUE(page.contains(u"https://github.com/zelvane/zelvane/issues"));
        if (e.englishNote)
            EXPECT_TRUE(page.contains(QString::fromUtf16(e.englishNote))) << page.toStdString();
        else
            EXPECT_FALSE(page.contains(u"in English")) << page.toStdString();
        about->close();

        // A sheet line's tooltip words an unknown source and a hand correction's
        // reason in the language; the sources' names and the reasons stay as they are.
        w.showElement(26);
        const QString density = w.sheetLineSource(8);
        EXPECT_TRUE(density.endsWith(QString::fromUtf16(e.unknown))) << density.toStdString();
        w.showElement(1);
        const QString discoverer = w.sheetLineSource(27);
        EXPECT_TRUE(discoverer.contains(u"hand for Zelvane\n"_s + QString::fromUtf16(e.reason) +
                                        u"BODR gives the initial C."_s))
            << discoverer.toStdString();
    }
    EXPECT_EQ(Language::current(), QString());
}
