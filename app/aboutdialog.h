#pragma once

#include <QDialog>
#include <QLabel>

class QTextBrowser;
struct Notice;

// Where a wrong value is to be reported.
extern const char *const DataErrorReportUrl;

// The About page: the program's version and licence, the sources of the data
// set with their versions and licences, the carried fonts and their licence,
// and where to report a wrong value. Its words come from NOTICE and the fonts'
// licence as compiled in. A dialog of the desktop, in the desktop's font.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent);
    // The page as plain text.
    QString pageText() const;

private:
    QTextBrowser *m_page;
};

// The About page's content as HTML, from NOTICE and the fonts' licence text.
QString aboutPageHtml(const Notice &notice, const QString &fontLicence);

// A label that opens something: a click on it, or Space or Return while it has
// the focus, which it shows with a dotted frame around its text. It looks like
// the label it is until pointed at.
class HeaderLink : public QLabel
{
    Q_OBJECT
public:
    HeaderLink(const QString &text, QWidget *parent);

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
