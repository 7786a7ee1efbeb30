#include "aboutdialog.h"

#include "elementsources.h"

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
    html += QStringLiteral("<p>A reference to the chemical elements: the periodic table, and for "
                           "each element its data sheet beside a model of its atom.</p>");
    html += htmlParagraphs(notice.licence);

    html += QStringLiteral("<h3>Where the figures come from</h3>"
                           "<p>Point at a line of the data sheet, or press F2 on the line that "
                           "has the focus, to see where its value comes from; "
                           "<i>zelvane --sheet X --sources</i> lists them all. Each value names "
                           "one of these sources by its code:</p>");
    for (const DataSource &source : notice.sources) {
        html += QStringLiteral("<p><b>%1</b> &nbsp;[%2]")
                    .arg(source.title.toHtmlEscaped(), source.code.toHtmlEscaped());
        for (const QString &line : source.lines)
            html += QStringLiteral("<br>") + line.toHtmlEscaped();
        html += QStringLiteral("</p>");
    }

    html += QStringLiteral("<h3>Report a wrong value</h3><p>Please report it at "
                           "<a href=\"%1\">%1</a>, with the element, the line, its value and "
                           "its source as the data sheet shows them.</p>")
                .arg(url.toHtmlEscaped());

    html += QStringLiteral("<h3>Fonts</h3>") + htmlParagraphs(notice.fonts);
    html += QStringLiteral("<h3>SIL Open Font License 1.1</h3>") + htmlParagraphs(fontLicence);
    return html;
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Zelvane"));
    setAccessibleName(QStringLiteral("About Zelvane"));

    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("aboutPage"));
    m_page->setAccessibleName(QStringLiteral("About Zelvane"));
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
