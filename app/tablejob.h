#pragma once

#include "creatept.h"
#include "elementdata.h"
#include "surface.h"
#include "tableartwork.h"

#include <QPoint>
#include <QThread>

#include <memory>

// The screen's periodic table, drawn on a second thread. At start-up drawing it
// takes about as long as making the window's controls, and neither needs the
// other: the job draws on its own copies of the table and work pictures and
// hands them over whole. data must stay until the job has been taken.
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

    TableJob(const ElementData &data, Surface table, Surface work, QPoint eFrameTopLeft);
    ~TableJob();
    TableJob(const TableJob &) = delete;
    TableJob &operator=(const TableJob &) = delete;

    // Waits for the drawing to end and hands it over.
    Result take();

private:
    Result m_result;
    std::unique_ptr<QThread> m_thread;
};

// The table's artwork as the build drew and stored it in the program.
TableArtwork storedTableArtwork();
