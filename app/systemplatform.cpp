#include "systemplatform.h"

#include "language.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

SystemPlatform::SystemPlatform()
    : m_printer([](QWidget *parent) {
          return QFileDialog::getSaveFileName(parent,
                                              Language::translate("Printing", "Save as PDF"),
                                              QDir::home().filePath(QStringLiteral("zelvane.pdf")),
                                              //: The file dialog's filter; keep "(*.pdf)" as it is
                                              Language::translate("Printing", "PDF files (*.pdf)"));
      })
{
}

QString SystemPlatform::executableDir() const
{
    return QCoreApplication::applicationDirPath();
}

bool SystemPlatform::askYesNo(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, prompt, QMessageBox::Yes | QMessageBox::No,
                    parent);
    // Return answers Yes whatever the theme's button order makes the default.
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void SystemPlatform::showError(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box.exec();
}

QString SystemPlatform::dataFile() const
{
    return m_dataFile.isEmpty() ? Platform::dataFile() : m_dataFile;
}

void SystemPlatform::showStartupError(const QString &message)
{
    // Always in the log; in a box only where somebody can see and close it.
    std::fprintf(stderr, "zelvane: %s\n", message.toUtf8().constData());
    const QString platform = QGuiApplication::platformName();
    if (!m_noBoxes && platform != QLatin1String("offscreen") &&
        platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("Zelvane"), message);
}

void SystemPlatform::endProgram()
{
    // Nothing to save: the program ends here, whatever else is running.
    std::exit(0);
}
