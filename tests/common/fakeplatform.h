#pragma once

#include "pageprinter.h"
#include "platform.h"
#include "zelmain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// The window's control of that name and type; a missing one fails the test.
template <class T> T *control(const QWidget &window, const char *name)
{
    if (T *found = window.findChild<T *>(QLatin1String(name))) return found;
    throw std::runtime_error(std::string("the window has no such control: ") + name);
}

// A printer that keeps every page it is sent, and can be told to fail, with or
// without a reason, or to have its destination cancelled.
struct RecordingPrinter : PagePrinter
{
    struct Job
    {
        PageCanvas page;
        PageOrientation orientation;
        // The page as paper of that printable area shows it, at 96 dots per inch.
        QImage paper(QSizeF areaTwips) const;
    };
    bool chooseDestination(QWidget *parent) override
    {
        ++calls;
        chooserParent = parent;
        if (whileChoosing) whileChoosing();
        return !cancelDestination;
    }
    QSizeF printableSize(PageOrientation orientation) override
    {
        ++calls;
        const QSizeF area = failing ? QSizeF() : portraitArea;
        return orientation == PageOrientation::Portrait ? area : area.transposed();
    }
    bool printPage(const PageCanvas &page, PageOrientation orientation) override
    {
        ++calls;
        if (!failing) jobs.push_back({page, orientation});
        return !failing;
    }
    QString failure() const override { return failing ? failureText : QString(); }

    std::vector<Job> jobs;
    int calls = 0;
    bool failing = false;
    QString failureText; // why a failing printer says it failed; none at first
    bool cancelDestination = false;
    std::function<void()> whileChoosing; // runs while the destination is asked for
    QWidget *chooserParent = nullptr;
    QSizeF portraitArea{11520, 15120}; // letter paper less quarter-inch margins, in twips
};

// The platform for tests: a data folder of its own (the shipped data file
// unless given other bytes), scripted answers, and a record of the requests.
struct FakePlatform : Platform
{
    explicit FakePlatform(const std::optional<QByteArray> &dataFile = {});
    QString executableDir() const override { return dir.path(); }
    bool askYesNo(QWidget *, const QString &prompt, const QString &title) override
    {
        questions.push_back(title + QStringLiteral(": ") + prompt);
        return answer;
    }
    void showStartupError(const QString &message) override { errors.push_back(message); }
    void showError(QWidget *parent, const QString &title, const QString &message) override
    {
        errorBoxes.push_back({parent, title + QStringLiteral(": ") + message});
    }
    void endProgram() override { ++endRequests; }
    PagePrinter &printer() override { return printerRecord; }

    bool answer = true;
    std::vector<QString> questions; // "title: prompt"
    std::vector<QString> errors;
    std::vector<std::pair<QWidget *, QString>> errorBoxes; // parent, "title: message"
    int endRequests = 0;
    RecordingPrinter printerRecord;
    QTemporaryDir dir;
};

// The program started on the fake platform, its banner ended as its timer
// ends it after four seconds; the controls the tests use most.
class App : public ::testing::Test
{
protected:
    App();
    // Makes the window the active one, as a click on it would.
    void activate();
    // Prints the table, then element z from the Element page, each answered Yes.
    void printTableThenElement(int z);

    FakePlatform platform;
    RecordingPrinter &printer = platform.printerRecord;
    std::unique_ptr<ZelMain> window;
    ZelMain &w;
    PictureBox *pb = control<PictureBox>(w, "pb");
    PictureBox *pbAtom = control<PictureBox>(w, "pbAtom");
    PictureBox *pbData = control<PictureBox>(w, "pbData");
    PictureButton *tableTab = control<PictureButton>(w, "tab_Frame0");
    PictureButton *elementTab = control<PictureButton>(w, "tab_Frame1");
    PictureButton *ck_animate = control<PictureButton>(w, "ck_animate");
    QScrollBar *eScroll = control<QScrollBar>(w, "eScroll");
    QScrollBar *cScroll = control<QScrollBar>(w, "cScroll");
    QScrollBar *atScroll = control<QScrollBar>(w, "atScroll");
    QTimer *tmElectron = control<QTimer>(w, "tmElectron");
};
