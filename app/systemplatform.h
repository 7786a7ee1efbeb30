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
    bool askYesNo(QWidget *parent, const QString &prompt, const QString &title) override;
    void showStartupError(const QString &message) override;
    void endProgram() override;
    PagePrinter &printer() override { return m_printer; }

private:
    SystemPrinter m_printer;
};
