#include "aboutdialog.h"

#include "elementsources.h"
#include "language.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

const char *const DataErrorReportUrl = "https://github.com/zelvane/zelvane/issues";

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Paragraphs separated by blank lines, each line break kept.
QString htmlParagraphs(const QString &text)
{
    QString html;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
        html += QStringLiteral("<p>") +
                paragraph.trimmed().toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
                QStringLiteral("</p>");
    return html;
}

} // namespace

QString aboutPageHtml(const Notice &notice, const QString &fontLicence)
{
    const QString url = QString::fromLatin1(DataErrorReportUrl);
    QString html = QStringLiteral("<h2>Zelvane %1</h2>").arg(QStringLiteral(ZELVANE_VERSION));
    const auto paragraph = [](const QString &text) {
        return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
    };
    const auto heading = [](const QString &text) {
        return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
    };
    html += paragraph(Language::translate("About", "A reference to the chemical elements: the "
                                                   "periodic table, and for each element its data "
                                                   "sheet beside a model of its atom."));
    // The data set's own words are not translated; other languages say so.
    if (!Language::current().isEmpty())
        //: Said in every language but English
        html += paragraph(Language::translate(
            "About", "The data sheet shows the appearance, the discoverer and the origin of the "
                     "name in English, as the data set gives them; the notes on the sources and "
                     "licences below are in English too."));
    html += htmlParagraphs(notice.licence);

    html += heading(Language::translate("About", "Where the figures come from"));
    //: %1 is the command, shown in italics; keep it as it is
    html += QStringLiteral("<p>%1</p>")
                .arg(Language::translate(
                         "About", "Point at a line of the data sheet, or press F2 on the line that "
                                  "has the focus, to see where its value comes from; %1 lists them "
                                  "all. Each value names one of these sources by its code:")
                         .toHtmlEscaped()
                         .arg(QStringLiteral("<i>zelvane --sheet X --sources</i>")));
    for (const DataSource &source : notice.sources) {
        html += QStringLiteral("<p><b>%1</b> &nbsp;[%2]")
                    .arg(source.title.toHtmlEscaped(), source.code.toHtmlEscaped());
        for (const QString &line : source.lines)
            html += QStringLiteral("<br>") + line.toHtmlEscaped();
        html += QStringLiteral("</p>");
    }

    html += heading(Language::translate("About", "Report a wrong value"));
    //: %1 is the address where wrong values are reported
    html += QStringLiteral("<p>%1</p>")
                .arg(Language::translate("About", "Please report it at %1, with the element, the "
                                                  "line, its value and its source as the data "
                                                  "sheet shows them.")
                         .toHtmlEscaped()
                         .arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped())));

    html += heading(Language::translate("About", "Fonts")) + htmlParagraphs(notice.fonts);
    html += QStringLiteral("<h3>SIL Open Font License 1.1</h3>") + htmlParagraphs(fontLicence);
    return html;
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(Language::translate("About", "About Zelvane"));
    setAccessibleName(Language::translate("About", "About Zelvane"));

    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("aboutPage"));
    m_page->setAccessibleName(Language::translate("About", "About Zelvane"));
    m_page->setOpenExternalLinks(true);
    m_page->setHtml(aboutPageHtml(builtInSources().notice(),
                                  resourceText(QStringLiteral(":/about/LICENSE-OFL.txt"))));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(buttons);
    resize(600, 540);
    m_page->setFocus();
}

QString AboutDialog::pageText() const
{
    return m_page->toPlainText();
}

HeaderLink::HeaderLink(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void HeaderLink::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, width(), height()), int(alignment()),
                                                  QLabel::text());
    p.drawRect(text.adjusted(-1, 0, 0, -1) & rect().adjusted(0, 0, -1, -1));
}

void HeaderLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void HeaderLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HeaderLink::enterEvent(QEnterEvent *event)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QLabel::enterEvent(event);
}

void HeaderLink::leaveEvent(QEvent *event)
{
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::leaveEvent(event);
}
