#pragma once

#include "pageprinter.h"
#include "platform.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

class ZelMain;

// A printer that keeps every page it is sent, and can be told to fail.
class RecordingPrinter : public PagePrinter
{
public:
    struct Job
    {
        PageCanvas page;
        PageOrientation orientation;
    };

    QSizeF printableSize(PageOrientation orientation) override;
    bool printPage(const PageCanvas &page, PageOrientation orientation) override;

    std::vector<Job> jobs;
    int calls = 0;
    bool failing = false;
    // Letter paper less quarter-inch margins, in twips.
    QSizeF portraitArea{11520, 15120};
};

// The platform for tests: a data folder of its own, scripted answers, and a
// record of what the program asked for.
class FakePlatform : public Platform
{
public:
    // Copies the shipped data file into a temporary folder.
    FakePlatform();
    // Uses these bytes as the data file instead.
    explicit FakePlatform(const QByteArray &dataFile);

    QString executableDir() const override { return m_dir.path(); }
    bool askYesNo(QWidget *, const QString &prompt, const QString &title) override;
    void showStartupError(const QString &message) override { errors.push_back(message); }
    void endProgram() override { ++endRequests; }
    PagePrinter &printer() override { return printerRecord; }

    bool answer = true;
    std::vector<QString> questions; // "title: prompt"
    std::vector<QString> errors;
    int endRequests = 0;
    RecordingPrinter printerRecord;

private:
    QTemporaryDir m_dir;
};

// The program started on the fake platform, with the banner ended as four
// seconds end it unless told otherwise.
struct Started
{
    FakePlatform platform;
    std::unique_ptr<ZelMain> window;

    explicit Started(bool endBanner = true);
    ~Started();
    ZelMain &w() { return *window; }
    RecordingPrinter &printer() { return platform.printerRecord; }
    // Makes the window the active one, as a click on it would.
    void activate();
    // Prints the table, then element z from the Element page, each answered
    // Yes; the recording printer then holds the two jobs.
    void printTableThenElement(int z);
};
