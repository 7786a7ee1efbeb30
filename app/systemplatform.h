#pragma once

#include "platform.h"
#include "systemprinter.h"

// The real services: the running program's directory, message boxes, the
// system printer, and ending the process.
class SystemPlatform : public Platform
{
public:
    SystemPlatform();

    QString executableDir() const override;
    QString dataFile() const override;
    // Reads this data file instead of the one beside the program.
    void setDataFile(const QString &path) { m_dataFile = path; }
    // Start-up faults go to standard error only, never into a message box.
    void setNoBoxes(bool noBoxes) { m_noBoxes = noBoxes; }
    bool askYesNo(QWidget *parent, const QString &prompt, const QString &title) override;
    void showStartupError(const QString &message) override;
    void showError(QWidget *parent, const QString &title, const QString &message) override;
    void endProgram() override;
    PagePrinter &printer() override { return m_printer; }

private:
    SystemPrinter m_printer;
    QString m_dataFile;
    bool m_noBoxes = false;
};
