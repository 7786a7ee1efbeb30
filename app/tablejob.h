#pragma once

#include "creatept.h"
#include "elementdata.h"
#include "surface.h"
#include "tableartwork.h"

#include <QPoint>

#include <condition_variable>
#include <mutex>
#include <thread>

// The screen's periodic table, drawn on a second thread. At start-up drawing it
// takes about as long as making the window's controls, and neither needs the
// other: the job draws on its own copies of the table and work pictures and
// hands them over whole. data must stay until the job has been taken.
//
// Text needs the application object. A job started before it exists reads the
// stored artwork meanwhile and draws once told by applicationReady(). For the
// data the program ships it draws nothing: it takes the table the build drew.
class TableJob
{
public:
    struct Result
    {
        Surface table;
        Surface work;
        CellRects cells{};
        PTLayout layout;
    };

    TableJob(const ElementData &data, Surface table, Surface work, QPoint eFrameTopLeft,
             bool applicationExists);
    // A job never told that the application exists ends without drawing (but
    // with the stored table where that serves).
    ~TableJob();
    TableJob(const TableJob &) = delete;
    TableJob &operator=(const TableJob &) = delete;

    void applicationReady();
    // Waits for the drawing to end and hands it over; only once the
    // application object exists.
    Result take();

private:
    void draw(const ElementData &data, QPoint eFrameTopLeft);

    Result m_result;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_applicationExists;
    bool m_abandoned = false;
    std::thread m_thread;
};

// The table's artwork as the build drew and stored it in the program.
TableArtwork storedTableArtwork();
