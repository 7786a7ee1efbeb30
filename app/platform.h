#pragma once

#include <QString>

class PagePrinter;
class QWidget;

// The services of the system that the program uses and tests replace: the
// program's directory, the Yes/No question, the start-up error message, ending
// the program and the printer.
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
    // Ends the program at once, with nothing to save.
    virtual void endProgram() = 0;
    virtual PagePrinter &printer() = 0;
};
