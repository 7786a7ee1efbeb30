#pragma once

#include <QString>

class PagePrinter;
class QWidget;

// The services of the system that the program uses and tests replace: the
// program's directory, the Yes/No question, the start-up error message, the
// error message of a failed print, ending the program and the printer.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual QString executableDir() const = 0;
    // The data file to read: elementDat.edb beside the program unless chosen.
    virtual QString dataFile() const { return executableDir() + QStringLiteral("/elementDat.edb"); }
    // Modal question with a question icon and Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // Tells the user why the program cannot start.
    virtual void showStartupError(const QString &message) = 0;
    // Modal message with a warning icon and an OK button, over parent.
    virtual void showError(QWidget *parent, const QString &title, const QString &message) = 0;
    // Ends the program at once, with nothing to save.
    virtual void endProgram() = 0;
    virtual PagePrinter &printer() = 0;
};
