#include "tablejob.h"

#include "tableartwork.h"

#include <utility>

TableJob::TableJob(const ElementData &data, Surface table, Surface work, QPoint eFrameTopLeft)
    : m_result{std::move(table), std::move(work), {}, {}}
{
    m_thread.reset(QThread::create([this, &data, eFrameTopLeft] {
        m_result.layout = CreatePT(m_result.table, 0, data, tableArtwork(), m_result.cells,
                                   m_result.work, eFrameTopLeft);
        m_result.table.endText();
        m_result.work.endText();
    }));
    m_thread->start();
}

TableJob::~TableJob()
{
    m_thread->wait();
}

TableJob::Result TableJob::take()
{
    m_thread->wait();
    return std::move(m_result);
}
